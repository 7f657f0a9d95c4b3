// SPDX-License-Identifier: MIT
// The About window's picture: the JPEG stored as an RCDATA resource,
// decoded with the Windows Imaging Component into a bitmap of the size the
// window draws it at.
#pragma once

#include <windows.h>

namespace zembra::win {

// A 32-bit top-down DIB section of `width` by `height` pixels, or null if
// the resource is missing or cannot be decoded. COM must be initialised on
// the calling thread. The caller deletes the bitmap.
HBITMAP DecodeJpegResource(HINSTANCE instance, int resourceId, int width, int height);

}  // namespace zembra::win
