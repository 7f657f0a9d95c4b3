// SPDX-License-Identifier: MIT
#include "windows/frm_about.h"

#include "ui/design/about_window.h"
#include "windows/control_ids.h"
#include "windows/jpeg_picture.h"
#include "windows/resource_ids.h"
#include "windows/screen_units.h"
#include "windows/wide_text.h"
#include "windows/window_class.h"

namespace zembra::win {

namespace {

namespace about = design::about;

constexpr const wchar_t* kPictureClass = L"Zembra.PictureBox";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT_PTR kTimer2 = 2;
constexpr std::size_t kTitleLabel = 3;  // lblTitle's text is black
// A fixed tool window: small title bar, thin frame, no minimise or maximise.
constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

template <typename T>
T* Self(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

frmAbout::frmAbout(HINSTANCE instance) : m_instance(instance) {
    RegisterWindowClass(instance, kAboutWindowClass, &frmAbout::WindowProc, ClassIcon::Program);
    RegisterWindowClass(instance, kPictureClass, &frmAbout::PictureProc, ClassIcon::None);
}

frmAbout::~frmAbout() {
    if (m_window != nullptr) DestroyWindow(m_window);
}

void frmAbout::ShowModal(HWND owner) {
    Load(owner);
    Form_Load();
    EnableWindow(owner, FALSE);
    ShowWindow(m_window, SW_SHOW);
    MSG message;
    while (m_window != nullptr) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            // The program is ending: leave the quit for the main loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            Unload();
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void frmAbout::Load(HWND owner) {
    m_owner = owner;
    CreateWindowExW(WS_EX_TOOLWINDOW, kAboutWindowClass, Wide(about::DesignCaption()).c_str(),
                    kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                    nullptr, m_instance, this);
    SizeAndCentre(m_window, about::kClientWidth, about::kClientHeight);
    CreatePicture();
    // Both timers are enabled from creation and count from the load.
    SetTimer(m_window, kTimer1, about::kTimer1Interval, nullptr);
    SetTimer(m_window, kTimer2, about::kTimer2Interval, nullptr);
}

// Picture1 fills the client area; its sunken border leaves the inner area
// in which the picture and the labels are placed.
void frmAbout::CreatePicture() {
    const ScreenUnits units{WindowDpi(m_window)};
    m_picture = DecodeJpegResource(m_instance, IDR_CHEESE_JPEG, units.Px(about::kPictureWidth),
                                   units.Px(about::kPictureHeight));
    if (m_picture != nullptr) m_pictureBrush = CreatePatternBrush(m_picture);
    m_Picture1 = CreateWindowExW(WS_EX_CLIENTEDGE, kPictureClass, L"", WS_CHILD | WS_VISIBLE, 0, 0,
                                 units.Px(about::kClientWidth), units.Px(about::kClientHeight),
                                 m_window, nullptr, m_instance, this);
    for (std::size_t i = 0; i < about::kLabels.size(); ++i) {
        const about::PictureLabel& label = about::kLabels[i];
        m_fonts[i] = CreateDesignFont(label.points, FW_BOLD, units.dpi);
        m_labels[i] =
            CreateWindowExW(0, L"STATIC", Wide(label.caption).c_str(),
                            WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 0, units.Px(label.top),
                            units.Px(about::kInnerWidth), units.Px(label.height), m_Picture1,
                            reinterpret_cast<HMENU>(i + 1), m_instance, nullptr);
        SendMessageW(m_labels[i], WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts[i]), FALSE);
    }
}

void frmAbout::Form_Load() {
    const AppInfo app = ReadAppInfo();
    SetWindowTextW(m_window, (L"  " + app.productName).c_str());
    const about::LoadedTexts fixed = about::FormLoadTexts();
    SetWindowTextW(m_labels[0], Wide(fixed.lblOpening).c_str());
    SetWindowTextW(m_labels[1], Wide(fixed.lblBy).c_str());
    SetWindowTextW(m_labels[3], app.productName.c_str());
    SetWindowTextW(m_labels[4], (L"Version: " + VersionText(app)).c_str());
    SetWindowTextW(m_labels[5], app.legalCopyright.c_str());
}

void frmAbout::Timer1_Timer() {
    KillTimer(m_window, kTimer1);
    KillTimer(m_window, kTimer2);
    Unload();
}

void frmAbout::Unload() {
    if (m_window == nullptr) return;
    KillTimer(m_window, kTimer1);
    KillTimer(m_window, kTimer2);
    // The owner takes input again before this window goes, so that the
    // activation returns to it rather than to another program.
    EnableWindow(m_owner, TRUE);
    DestroyWindow(m_window);
}

void frmAbout::FreeLoaded() {
    for (HFONT& font : m_fonts) {
        DeleteObject(font);
        font = nullptr;
    }
    DeleteObject(m_pictureBrush);
    DeleteObject(m_picture);
    m_pictureBrush = nullptr;
    m_picture = nullptr;
    m_labels = {};
    m_Picture1 = nullptr;
    m_window = nullptr;
}

HBRUSH frmAbout::LabelBrush(HDC dc, HWND label) const {
    RECT place{};
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, m_Picture1, reinterpret_cast<POINT*>(&place), 2);
    SetBrushOrgEx(dc, -place.left, -place.top, nullptr);
    SetBkMode(dc, TRANSPARENT);
    const bool title = label == m_labels[kTitleLabel];
    SetTextColor(dc, title ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNTEXT));
    if (m_pictureBrush == nullptr) return GetSysColorBrush(COLOR_BTNFACE);
    return m_pictureBrush;
}

LRESULT frmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimer1) Timer1_Timer();
            // Timer2's tick has no procedure.
            return 0;
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_NCDESTROY:
            FreeLoaded();
            break;
        default:
            break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT frmAbout::HandlePictureMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(
                LabelBrush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_ERASEBKGND:
        case WM_PRINTCLIENT: {
            // At its natural size from the inner area's top-left, clipped.
            RECT inner{};
            GetClientRect(m_Picture1, &inner);
            FillRect(reinterpret_cast<HDC>(wParam), &inner,
                     m_pictureBrush != nullptr ? m_pictureBrush : GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        default:
            break;
    }
    return DefWindowProcW(m_Picture1, message, wParam, lParam);
}

LRESULT CALLBACK frmAbout::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = Self<frmAbout>(window, message, lParam);
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE) self->m_window = window;
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK frmAbout::PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = Self<frmAbout>(window, message, lParam);
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE) self->m_Picture1 = window;
    return self->HandlePictureMessage(message, wParam, lParam);
}

}  // namespace zembra::win
