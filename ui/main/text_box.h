// SPDX-License-Identifier: MIT
// A text box of the main window with the properties its design and event
// procedures use: Top, Width and Height in twips, Text, BackColor, Enabled
// and MousePointer. The QLineEdit sits in a host widget of the same size
// because Qt shows a disabled widget's parent's cursor, never its own: the
// host carries the pointer the field shows while it is disabled.
#pragma once

#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "core/converter_fields.h"
#include "ui/design/main_window.h"

class QFont;
class QLineEdit;
class QObject;
class QWidget;

namespace zembra {

// The accessible description of a field while it is red.
inline constexpr const char* kInvalidEntry = "Invalid entry";

class TextBox {
public:
    TextBox(QWidget* parent, const design::TextBoxDesign& design, const QFont& font);

    QLineEdit* edit() const { return m_edit; }

    void SetTop(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    void SetEnabled(bool enabled);
    void SetMousePointer(design::MousePointer pointer);
    // Red marks an invalid entry, also for assistive technology.
    void SetBackColor(BackColor color);

    // Text colours readable on the field's background; again after the
    // theme's palette changes.
    void ApplyColors();

    Text GetText() const;
    // Runs the change handler, inside the call, only when the text differs.
    void SetText(TextView text);

    // The change handler runs for every change of the text, typed or
    // written, inside the edit or write. An edit that leaves the text as it
    // was (a selection typed over with the same text) is no change, although
    // QLineEdit signals one.
    void OnChange(QObject* context, std::function<void()> handler);

private:
    void SetGeometry(const QRect& pixels);

    QWidget* m_host;
    QLineEdit* m_edit;
    QString m_text;  // as the change handler last saw it
    std::optional<BackColor> m_backColor;
};

}  // namespace zembra
