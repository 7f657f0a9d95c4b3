# SPDX-License-Identifier: MIT
# Product facts beside the one version of the top-level project(): the window,
# the About window, the batch converter, the desktop files, the package and
# the Windows version resource all read them from here.
set(ZEMBRA_PRODUCT_NAME "Zembra")
set(ZEMBRA_COMPANY_NAME "Kestavo Software")
set(ZEMBRA_LEGAL_COPYRIGHT "Copyright (C) 2026 Kestavo Software")
set(ZEMBRA_APP_ID "org.example.Zembra")

# What users see as the version: major, minor and the fourth number ("1.0.1").
set(ZEMBRA_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_TWEAK}")
