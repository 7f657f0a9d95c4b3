// SPDX-License-Identifier: MIT
// The main window's text boxes on top of QLineEdit.
#include "ui/main/text_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include "ui/common/readable_text.h"
#include "ui/common/twips.h"
#include "ui/main/back_color.h"
#include "ui/main/qt_text.h"

namespace zembra {

TextBox::TextBox(QWidget* parent, const design::TextBoxDesign& design, const QFont& font,
                 const FieldState& field)
    : m_host(new QWidget(parent)),
      m_edit(new QLineEdit(m_host)),
      m_pointer(field.pointer),
      m_backColor(field.backColor) {
    m_edit->setObjectName(QString::fromLatin1(design.name));
    m_edit->setAccessibleName(QString::fromLatin1(design.accessibleName));
    m_edit->setFont(font);
    m_edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_edit->setText(ToQString(field.text));
    SetGeometry(TwipsToPixels(field.rect, *m_host));
    m_edit->setEnabled(field.enabled);
    ShowPointer();
    ShowBackColor();
}

void TextBox::Render(const FieldState& field) {
    const QString text = ToQString(field.text);
    if (text != m_edit->text()) m_edit->setText(text);
    const QRect pixels = TwipsToPixels(field.rect, *m_host);
    if (pixels != m_host->geometry()) SetGeometry(pixels);
    if (field.enabled != m_edit->isEnabled()) m_edit->setEnabled(field.enabled);
    if (field.pointer != m_pointer) {
        m_pointer = field.pointer;
        ShowPointer();
    }
    if (field.backColor != m_backColor) {
        m_backColor = field.backColor;
        ShowBackColor();
    }
}

void TextBox::SetGeometry(const QRect& pixels) {
    m_host->setGeometry(pixels);
    m_edit->setGeometry(0, 0, pixels.width(), pixels.height());
}

void TextBox::ShowPointer() {
    if (m_pointer == design::MousePointer::NoDrop) {
        m_edit->setCursor(Qt::ForbiddenCursor);
        m_host->setCursor(Qt::ForbiddenCursor);
    } else {
        m_edit->setCursor(Qt::IBeamCursor);  // QLineEdit's own
        m_host->unsetCursor();
    }
}

// Red is the only sign of an invalid entry on screen; the accessible
// description carries the same news to a screen reader, which sees no colours.
void TextBox::ShowBackColor() {
    ApplyColors();
    m_edit->setAccessibleDescription(
        m_backColor == kInvalidColor ? QString::fromLatin1(kInvalidEntry) : QString());
}

// The background goes into every colour group: a disabled field paints with
// the Disabled group, and the output field is always disabled. The text
// colour goes with the background the field shows, in each group: a theme
// meant for dark fields would write light text on the white and red ones.
void TextBox::ApplyColors() {
    const QPalette theme = QApplication::palette(m_edit);
    QPalette palette;  // what is not set here follows the theme
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor background =
            m_backColor ? ToQColor(*m_backColor) : theme.color(group, QPalette::Base);
        if (m_backColor) palette.setColor(group, QPalette::Base, background);
        palette.setColor(
            group, QPalette::Text,
            ReadableTextColor(background, theme.color(QPalette::Active, QPalette::Text),
                              group != QPalette::Disabled));
    }
    m_edit->setPalette(palette);
}

}  // namespace zembra
