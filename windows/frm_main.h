// SPDX-License-Identifier: MIT
// frmMain on Win32: the window, its EDIT and STATIC controls, lines and menu
// bar built from the design, rendering the window model's state. A keystroke
// or a menu choice is one call into the model and one render back; the
// window decides nothing about conversions itself.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/design/units.h"
#include "ui/model/converter_window.h"
#include "windows/field_colours.h"

namespace zembra::win {

class frmAbout;

class frmMain {
public:
    // Form_Load: the window with its controls and menu as designed, in the
    // model's start-up state; not shown yet.
    explicit frmMain(HINSTANCE instance);
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Shows the window and gives the focus to the first field that takes it.
    void Show(int showCommand);

    HWND hwnd() const { return m_window; }
    // How many edits have reached the model: one a keystroke, whatever the
    // renders that follow write into the fields.
    int ReactionCount() const { return m_reactions; }

private:
    struct Field {
        HWND edit = nullptr;
        // The text the field held when its last change was passed on or
        // written by a render: a change notification with this text
        // changes nothing and is dropped.
        std::wstring lastSeen;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void OnCommand(int id, int code, HWND control);
    void OnFieldChange(Field& field);
    void Render();
    void RenderField(Field& field, const FieldState& state, const FieldState& before);
    void Layout(UINT dpi);
    const FieldState* FieldStateOf(HWND control) const;
    bool SetPointer();
    void PaintLines(HDC dc) const;
    void Form_Resize(WPARAM sizeType);
    void mnuHelpItems_Click(int index);

    FieldColours m_colours;
    ConverterWindow m_model;
    WindowState m_shown;
    HWND m_window = nullptr;
    Field m_txtDec;
    Field m_txtAFS;
    Field m_txtHex;
    HWND m_lblDec = nullptr;
    HWND m_lblAFS = nullptr;
    HWND m_Label1 = nullptr;
    HFONT m_font = nullptr;
    UINT m_dpi = static_cast<UINT>(kStandardDotsPerInch);
    int m_reactions = 0;
    std::unique_ptr<frmAbout> m_about;
};

}  // namespace zembra::win
