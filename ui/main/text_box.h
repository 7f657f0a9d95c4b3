// SPDX-License-Identifier: MIT
// A text box of the main window on top of QLineEdit, showing a field of the
// window model: its text, place, background, enabled state and pointer.
// The QLineEdit sits in a host widget of the same size because Qt shows a
// disabled widget's parent's cursor, never its own: the host carries the
// pointer the field shows while it is disabled.
#pragma once

#include <optional>

#include "ui/design/main_window.h"
#include "ui/model/converter_window.h"

class QFont;
class QLineEdit;
class QRect;
class QWidget;

namespace zembra {

// The accessible description of a field while it is red.
inline constexpr const char* kInvalidEntry = "Invalid entry";

class TextBox {
public:
    // The box's fixed properties from its design, the rest as the model has
    // the field now.
    TextBox(QWidget* parent, const design::TextBoxDesign& design, const QFont& font,
            const FieldState& field);

    QLineEdit* edit() const { return m_edit; }

    // Shows the field as the model has it now, changing only what differs:
    // the text the user has just typed is already there, and writing it
    // again would move the caret and clear the undo history.
    void Render(const FieldState& field);

    // Text colours readable on the field's background; again after the
    // theme's palette changes.
    void ApplyColors();

private:
    void SetGeometry(const QRect& pixels);
    void ShowPointer();
    void ShowBackColor();

    QWidget* m_host;
    QLineEdit* m_edit;
    design::MousePointer m_pointer;
    std::optional<BackColor> m_backColor;
};

}  // namespace zembra
