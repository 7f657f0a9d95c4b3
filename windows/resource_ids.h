// SPDX-License-Identifier: MIT
// Identifiers of the program's resources, shared by zembra.rc and the code
// that loads them. Plain #defines: the resource compiler reads this file too.
#pragma once

#define IDI_ZEMBRA 1
#define IDR_CHEESE_JPEG 101
