// SPDX-License-Identifier: MIT
// What the out-of-process window test reads of zembra.exe: the running
// program, places in client pixels, pixels painted, the message box and
// the About window's labels, and waits.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "ui/design/units.h"

namespace zembra::win {

// A window's text through WM_GETTEXT, which also reaches another
// process's controls (GetWindowTextW there reads only captions).
std::wstring TextOf(HWND window);

// A path on the Linux host as Wine serves it (drive Z: is the root);
// a Windows path stays as it is.
std::wstring HostPathToWindows(const char* path);

// The program started and its main window shown; closed at the end.
struct RunningProgram {
    explicit RunningProgram(const std::wstring& path);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    PROCESS_INFORMATION process{};
    HWND main = nullptr;
};

// The visible top-level window of `windowClass` that belongs to `process`,
// or null: other programs, the in-process tests among them, may have
// windows of the same class.
HWND FindProcessWindow(DWORD process, const wchar_t* windowClass);

bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Twips to pixels at the screen's DPI.
struct ScreenScale {
    UINT dpi = static_cast<UINT>(GetDeviceCaps(GetDC(nullptr), LOGPIXELSY));
    int operator()(int twips) const { return TwipsToPixels(twips, dpi); }
};

// A child's rectangle in its parent's client coordinates.
RECT ClientRectOf(HWND child);

// How far a window's centre lies from its screen's work-area centre.
int CentreOffset(HWND window);

// A field as painted: the background inside its border, and the contrast
// of the colour most of its text pixels have against it.
struct FieldPixels {
    COLORREF background = 0;
    double textContrast = 0;
};

// The client area of a window with its children, as the screen shows it.
class Capture {
public:
    explicit Capture(HWND window);
    FieldPixels Field(const RECT& field) const;
    int DistinctColours() const;

private:
    COLORREF At(int x, int y) const;
    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;
};

struct MessageBoxProbe {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
    HICON icon = nullptr;  // the icon shown beside the text
    std::vector<std::wstring> buttons;
    HWND okButton = nullptr;
};

// The message box that `owner` shows, once it is visible; null if none
// shows.
HWND WaitForMessageBox(HWND owner);

MessageBoxProbe ProbeMessageBox(HWND box);

// The texts of the About window's labels, top to bottom.
std::vector<std::wstring> AboutLabelTexts(HWND about);

}  // namespace zembra::win
