// SPDX-License-Identifier: MIT
#include "tests/windows/window_probe.h"

#include <algorithm>
#include <map>
#include <set>
#include <thread>
#include <utility>

#include "windows/control_ids.h"
#include "windows/field_colours.h"
#include "windows/wide_text.h"

namespace zembra::win {

std::wstring TextOf(HWND window) {
    const auto length = static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto got = static_cast<std::size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(got);
    return text;
}

std::wstring HostPathToWindows(const char* path) {
    std::wstring wide = Wide(std::string_view(path));
    if (wide.empty() || wide.front() != L'/') return wide;
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return L"Z:" + wide;
}

RunningProgram::RunningProgram(const std::wstring& path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return;
    }
    WaitFor(
        [this] {
            main = FindProcessWindow(process.dwProcessId, kMainWindowClass);
            return main != nullptr;
        },
        std::chrono::seconds(20));
}

RunningProgram::~RunningProgram() {
    if (process.hProcess == nullptr) return;
    PostMessageW(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

HWND FindProcessWindow(DWORD process, const wchar_t* windowClass) {
    for (HWND window = FindWindowExW(nullptr, nullptr, windowClass, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, windowClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

RECT ClientRectOf(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int CentreOffset(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const long dx = (frame.left + frame.right) - (area.left + area.right);
    const long dy = (frame.top + frame.bottom) - (area.top + area.bottom);
    return static_cast<int>(std::max(std::labs(dx), std::labs(dy)) / 2);
}

Capture::Capture(HWND window) {
    // Paints what is pending, inside the program, before the screen is read.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    RECT client{};
    GetClientRect(window, &client);
    m_width = client.right;
    m_height = client.bottom;
    POINT origin{};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, m_width, m_height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, m_width, m_height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_pixels.resize(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(m_height), m_pixels.data(), &info,
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF Capture::At(int x, int y) const {
    const DWORD bgr = m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                               static_cast<std::size_t>(x)];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

FieldPixels Capture::Field(const RECT& field) const {
    // Inside the field's two-pixel sunken border.
    std::map<COLORREF, int> counts;
    for (int y = field.top + 2; y < field.bottom - 2; ++y) {
        for (int x = field.left + 2; x < field.right - 2; ++x) ++counts[At(x, y)];
    }
    const auto byCount = [](const auto& a, const auto& b) { return a.second < b.second; };
    FieldPixels pixels;
    if (counts.empty()) return pixels;
    const auto background = std::max_element(counts.begin(), counts.end(), byCount);
    pixels.background = background->first;
    counts.erase(background);
    if (counts.empty()) return pixels;
    const COLORREF text = std::max_element(counts.begin(), counts.end(), byCount)->first;
    pixels.textContrast = design::ContrastRatio(ToRgb(text), ToRgb(pixels.background));
    return pixels;
}

int Capture::DistinctColours() const {
    return static_cast<int>(std::set<DWORD>(m_pixels.begin(), m_pixels.end()).size());
}

namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> found;
    EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

MessageBoxProbe ProbeMessageBox(HWND box) {
    MessageBoxProbe probe;
    probe.window = box;
    probe.title = TextOf(box);
    for (HWND child : Descendants(box)) {
        const std::wstring kind = ClassOf(child);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        if (_wcsicmp(kind.c_str(), L"Button") == 0) {
            std::wstring caption = TextOf(child);
            std::erase(caption, L'&');
            probe.buttons.push_back(caption);
            if (GetDlgCtrlID(child) == IDOK) probe.okButton = child;
        } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) {
                probe.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            }
            const std::wstring text = TextOf(child);
            if (text.size() > probe.text.size()) probe.text = text;
        }
    }
    return probe;
}

HWND WaitForMessageBox(HWND owner) {
    HWND box = nullptr;
    WaitFor([&] {
        std::vector<HWND> windows;
        EnumThreadWindows(GetWindowThreadProcessId(owner, nullptr), CollectWindow,
                          reinterpret_cast<LPARAM>(&windows));
        for (HWND window : windows) {
            if (ClassOf(window) == L"#32770" && GetWindow(window, GW_OWNER) == owner &&
                IsWindowVisible(window)) {
                box = window;
            }
        }
        return box != nullptr;
    });
    return box;
}

std::vector<std::wstring> AboutLabelTexts(HWND about) {
    std::vector<std::pair<long, std::wstring>> labels;
    for (HWND child : Descendants(about)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Static") != 0) continue;
        RECT place{};
        GetWindowRect(child, &place);
        labels.emplace_back(place.top, TextOf(child));
    }
    std::sort(labels.begin(), labels.end());
    std::vector<std::wstring> texts;
    for (auto& [top, text] : labels) texts.push_back(std::move(text));
    return texts;
}

}  // namespace zembra::win
