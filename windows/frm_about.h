// SPDX-License-Identifier: MIT
// frmAbout on Win32: a tool window over the picture, with the six labels as
// transparent STATIC controls and the two timers. One object for the
// program's life; its window and controls are loaded afresh from the
// design on every opening and destroyed when it unloads.
#pragma once

#include <windows.h>

#include <array>

#include "windows/app_info.h"

namespace zembra::win {

class frmAbout {
public:
    explicit frmAbout(HINSTANCE instance);
    ~frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    // Show with style 1: loads the window, shows it centred in front of
    // `owner`, which takes no input meanwhile, and returns once it has
    // unloaded (Timer1, or the user closing it).
    void ShowModal(HWND owner);

    // The window while it is loaded, else null.
    HWND hwnd() const { return m_window; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandlePictureMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Load(HWND owner);
    void CreatePicture();
    // The captions from the program's version information, read afresh.
    void Form_Load();
    void Timer1_Timer();
    void Unload();
    HBRUSH LabelBrush(HDC dc, HWND label) const;
    void FreeLoaded();

    HINSTANCE m_instance;
    HWND m_owner = nullptr;
    HWND m_window = nullptr;
    HWND m_Picture1 = nullptr;
    std::array<HWND, 6> m_labels{};
    std::array<HFONT, 6> m_fonts{};
    HBITMAP m_picture = nullptr;
    // The picture as a brush, so that each label paints the part of it
    // that lies behind the label before its letters.
    HBRUSH m_pictureBrush = nullptr;
};

}  // namespace zembra::win
