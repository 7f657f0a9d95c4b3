// SPDX-License-Identifier: MIT
#include "windows/frm_main.h"

#include <utility>

#include "ui/design/main_window.h"
#include "windows/control_ids.h"
#include "windows/field_edit.h"
#include "windows/frm_about.h"
#include "windows/help_menu.h"
#include "windows/main_menu.h"
#include "windows/screen_units.h"
#include "windows/wide_text.h"
#include "windows/window_class.h"

namespace zembra::win {

namespace {

// The platform's ordinary resizable frame, with minimise but no maximise.
constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;

HWND CreateChild(HWND parent, const wchar_t* windowClass, const char* text, DWORD style,
                 DWORD exStyle, int id) {
    return CreateWindowExW(exStyle, windowClass, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           nullptr, nullptr);
}

HWND CreateField(HWND parent, const design::TextBoxDesign& design, int id) {
    HWND edit = CreateChild(parent, L"EDIT", design.text, WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL,
                            WS_EX_CLIENTEDGE, id);
    EnableWindow(edit, design.enabled);
    AttachFieldBehaviour(edit);
    return edit;
}

HWND CreateLabel(HWND parent, const design::LabelDesign& design, int id) {
    return CreateChild(parent, L"STATIC", design.caption, SS_CENTER | SS_NOPREFIX, 0, id);
}

void Place(HWND control, const ScreenUnits& units, const TwipsRect& rect) {
    SetWindowPos(control, nullptr, units.Px(rect.left), units.Px(rect.top), units.Px(rect.width),
                 units.Px(rect.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetTextIfChanged(HWND control, const std::wstring& text) {
    if (WindowText(control) != text) SetWindowTextW(control, text.c_str());
}

// Puts `field` right after `label` in the order of the window's children.
void FollowLabel(HWND field, HWND label) {
    if (GetWindow(field, GW_HWNDPREV) == label) return;
    SetWindowPos(field, label, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool SameLook(const FieldState& a, const FieldState& b) {
    return a.backColor == b.backColor && a.enabled == b.enabled;
}

}  // namespace

frmMain::frmMain(HINSTANCE instance) : m_shown(m_model.State()) {
    RegisterWindowClass(instance, kMainWindowClass, &frmMain::WindowProc, ClassIcon::Program);
    CreateWindowExW(0, kMainWindowClass, Wide(m_shown.title).c_str(), kFrameStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, CreateMainMenu(),
                    instance, this);
    CreateControls();
    Layout(WindowDpi(m_window));
    SizeAndCentre(m_window, design::kClientWidth, design::kClientHeight);
    SetActionMarks(GetMenu(m_window), m_shown.checked);
}

frmMain::~frmMain() {
    if (IsWindow(m_window)) DestroyWindow(m_window);
    DeleteObject(m_font);
}

void frmMain::CreateControls() {
    // Each field comes right after the label beside it: screen readers name
    // a field by the label before it. Only one field at a time takes input,
    // so Tab, which follows the same order, has only that one to visit.
    m_lblDec = CreateLabel(m_window, design::lblDec, kLblDecId);
    m_txtDec.edit = CreateField(m_window, design::txtDec, kTxtDecId);
    m_lblAFS = CreateLabel(m_window, design::lblAFS, kLblAfsId);
    m_txtAFS.edit = CreateField(m_window, design::txtAFS, kTxtAfsId);
    m_Label1 = CreateLabel(m_window, design::Label1, kLabel1Id);
    m_txtHex.edit = CreateField(m_window, design::txtHex, kTxtHexId);
    for (Field* field : {&m_txtDec, &m_txtAFS, &m_txtHex})
        field->lastSeen = WindowText(field->edit);
    // From the design state to the model's start-up state, before anything
    // shows.
    Render();
}

void frmMain::Show(int showCommand) {
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    SetFocus(m_txtDec.edit);
}

void frmMain::Layout(UINT dpi) {
    m_dpi = dpi;
    const ScreenUnits units{dpi};
    HFONT font = CreateDesignFont(design::kFontPoints, FW_NORMAL, dpi);
    for (HWND control :
         {m_txtDec.edit, m_txtAFS.edit, m_txtHex.edit, m_lblDec, m_lblAFS, m_Label1}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    DeleteObject(m_font);
    m_font = font;
    Place(m_txtDec.edit, units, m_shown.txtDec.rect);
    Place(m_txtAFS.edit, units, m_shown.txtAFS.rect);
    Place(m_txtHex.edit, units, m_shown.txtHex.rect);
    Place(m_lblDec, units, design::lblDec.rect);
    Place(m_lblAFS, units, design::lblAFS.rect);
    Place(m_Label1, units, design::Label1.rect);
    InvalidateRect(m_window, nullptr, TRUE);
}

void frmMain::Render() {
    const WindowState& state = m_model.State();
    const WindowState before = std::exchange(m_shown, state);
    RenderField(m_txtDec, state.txtDec, before.txtDec);
    RenderField(m_txtAFS, state.txtAFS, before.txtAFS);
    RenderField(m_txtHex, state.txtHex, before.txtHex);
    SetTextIfChanged(m_lblDec, Wide(state.lblDec));
    SetTextIfChanged(m_lblAFS, Wide(state.lblAFS));
    SetTextIfChanged(m_Label1, Wide(state.Label1));
    SetTextIfChanged(m_window, Wide(state.title));
    // A switch that disables the field holding the focus leaves it with
    // the window: with no focus at all, keys arrive as system keys and Tab
    // would not reach the field now enabled.
    if (GetFocus() == nullptr && GetActiveWindow() == m_window) SetFocus(m_window);
    SetActionMarks(GetMenu(m_window), state.checked);
    // The upper label names the field typed into, the lower one the other.
    const bool decUpper = state.upperField == EntryField::txtDec;
    FollowLabel(decUpper ? m_txtDec.edit : m_txtAFS.edit, m_lblDec);
    FollowLabel(decUpper ? m_txtAFS.edit : m_txtDec.edit, m_lblAFS);
}

void frmMain::RenderField(Field& field, const FieldState& state, const FieldState& before) {
    const std::wstring text = Wide(state.text);
    if (WindowText(field.edit) != text) {
        // The EDIT notifies this write like an edit: the guard drops it.
        field.lastSeen = text;
        SetWindowTextW(field.edit, text.c_str());
    }
    const ScreenUnits units{m_dpi};
    if (state.rect.top != before.rect.top || state.rect.left != before.rect.left) {
        Place(field.edit, units, state.rect);
    }
    if (state.enabled != (IsWindowEnabled(field.edit) != FALSE))
        EnableWindow(field.edit, state.enabled);
    if (!SameLook(state, before)) InvalidateRect(field.edit, nullptr, TRUE);
}

void frmMain::OnFieldChange(Field& field) {
    std::wstring text = WindowText(field.edit);
    // An EDIT also notifies writes of the same text and edits that change
    // nothing; only a real change reaches the model, once.
    if (text == field.lastSeen) return;
    field.lastSeen = text;
    ++m_reactions;
    if (&field == &m_txtDec) m_model.EditDecimal(ToText(text));
    if (&field == &m_txtAFS) m_model.EditAfs(ToText(text));
    Render();
}

void frmMain::OnCommand(int id, int code, HWND control) {
    if (control != nullptr) {
        if (code != EN_CHANGE) return;
        if (control == m_txtDec.edit) OnFieldChange(m_txtDec);
        if (control == m_txtAFS.edit) OnFieldChange(m_txtAFS);
        return;
    }
    const std::optional<MenuChoice> choice = MenuChoiceFor(id);
    if (!choice) return;
    if (choice->array == MenuChoice::Array::mnuActionItems) {
        m_model.mnuActionItems_Click(static_cast<std::int16_t>(choice->index));
        Render();
        return;
    }
    mnuHelpItems_Click(choice->index);
}

void frmMain::mnuHelpItems_Click(int index) {
    if (!m_about) m_about = std::make_unique<frmAbout>(GetModuleHandleW(nullptr));
    RunHelpItem(m_window, index, *m_about);
}

void frmMain::Form_Resize(WPARAM sizeType) {
    m_model.Form_Resize(sizeType == SIZE_MINIMIZED);
    // The frame is sized once before the controls exist.
    if (m_txtDec.edit != nullptr) Render();
}

const FieldState* frmMain::FieldStateOf(HWND control) const {
    if (control == m_txtDec.edit) return &m_shown.txtDec;
    if (control == m_txtAFS.edit) return &m_shown.txtAFS;
    if (control == m_txtHex.edit) return &m_shown.txtHex;
    return nullptr;
}

// A disabled field gets no WM_SETCURSOR of its own: the window sets the
// pointer of whichever field lies under it.
bool frmMain::SetPointer() {
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(m_window, &point);
    const FieldState* field =
        FieldStateOf(ChildWindowFromPointEx(m_window, point, CWP_SKIPINVISIBLE));
    if (field == nullptr || field->pointer != design::MousePointer::NoDrop) return false;
    SetCursor(LoadCursorW(nullptr, IDC_NO));
    return true;
}

void frmMain::PaintLines(HDC dc) const {
    const ScreenUnits units{m_dpi};
    for (const design::LineDesign& line : {design::Line1, design::Line2}) {
        const RECT rect{units.Px(line.x1), units.Px(line.y1), units.Px(line.x2),
                        units.Px(line.y1) + units.DesignPixels(line.thicknessPixels)};
        FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (const FieldState* field = FieldStateOf(reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(m_colours.Paint(reinterpret_cast<HDC>(wParam),
                                                                 field->backColor, field->enabled));
            }
            break;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && SetPointer()) return TRUE;
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            PaintLines(BeginPaint(m_window, &paint));
            EndPaint(m_window, &paint);
            return 0;
        }
        case WM_SIZE:
            Form_Resize(wParam);
            break;
        case WM_DPICHANGED: {
            Layout(HIWORD(wParam));
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(m_window, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            // Closing the window ends the program; nothing is asked or saved.
            DestroyWindow(m_window);
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK frmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

}  // namespace zembra::win
