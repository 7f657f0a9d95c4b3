// SPDX-License-Identifier: MIT
// frmAbout as designed, in twips like frmMain: the window over its picture,
// the six labels and the two timers, and the captions Form_Load writes.
// Plain data without Qt, for both front ends.
#pragma once

#include <array>
#include <string>

#include "version/version.h"

namespace zembra::design::about {

inline constexpr const char* kFormName = "frmAbout";
inline constexpr int kClientWidth = 4815;
inline constexpr int kClientHeight = 3495;
inline constexpr int kPictureBorder = 2;  // pixels, on every side
inline constexpr int kInnerWidth = 4755;
// The picture's 320 by 240 pixels at 96 dots per inch: its natural size
// there, and the same share of the window on any other screen.
inline constexpr int kPictureWidth = 4800;
inline constexpr int kPictureHeight = 3600;
inline constexpr const char* kPictureFile = "cheese.jpg";
inline constexpr int kTimer1Interval = 7500;  // milliseconds
inline constexpr int kTimer2Interval = 100;

// Labels span the inner width of Picture1 from its left edge, in bold, in
// frmMain's typeface (kFontFamilies).
struct PictureLabel {
    const char* name;
    int top;
    int height;
    double points;
    const char* caption;  // as designed; Form_Load replaces most
};

// Top to bottom. lblTitle and lblCopyright get their only captions in
// Form_Load.
inline constexpr std::array<PictureLabel, 6> kLabels{{
    {"lblOpening", 180, 435, 13.5, "Another Cheesy Application "},
    {"lblBy", 720, 435, 9.75, "by"},
    {"lblCompany", 1080, 495, 18, version::kCompanyName},
    {"lblTitle", 1680, 375, 13.5, ""},
    {"lblVersion", 2220, 375, 12, "Version: 0.0.0"},
    {"lblCopyright", 2820, 555, 8.25, ""},
}};

// Replaced by Form_Load before the window shows, so never seen.
inline std::string DesignCaption() { return std::string("  About ") + version::kProductName; }

// What Form_Load writes, in the order it writes it; lblCompany keeps its
// design caption.
struct LoadedTexts {
    std::string caption;
    std::string lblOpening;
    std::string lblBy;
    std::string lblTitle;
    std::string lblVersion;
    std::string lblCopyright;
};

inline LoadedTexts FormLoadTexts() {
    return {std::string("  ") + version::kProductName,
            "Another Cheesy Application",
            "by",
            version::kProductName,
            "Version: " + VersionText(),
            version::kLegalCopyright};
}

}  // namespace zembra::design::about
