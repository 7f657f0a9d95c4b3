// SPDX-License-Identifier: MIT
// The main window's text boxes on top of QLineEdit.
#include "ui/main/text_box.h"

#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include "ui/main/back_color.h"
#include "ui/main/qt_text.h"
#include "ui/main/twips.h"

namespace zembra {

TextBox::TextBox(QWidget* parent, const design::TextBoxDesign& design, const QFont& font)
    : m_host(new QWidget(parent)), m_edit(new QLineEdit(m_host)) {
    m_edit->setObjectName(QString::fromLatin1(design.name));
    m_edit->setAccessibleName(QString::fromLatin1(design.accessibleName));
    m_edit->setFont(font);
    m_edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_text = QString::fromLatin1(design.text);
    m_edit->setText(m_text);
    SetGeometry(TwipsToPixels(design.rect, *m_host));
    if (design.backColor) SetBackColor(*design.backColor);
    SetEnabled(design.enabled);
    SetMousePointer(design.pointer);
}

void TextBox::SetTop(int twips) {
    QRect pixels = m_host->geometry();
    pixels.moveTop(TwipsToPixels(twips, m_host->logicalDpiY()));
    SetGeometry(pixels);
}

void TextBox::SetWidth(int twips) {
    QRect pixels = m_host->geometry();
    pixels.setWidth(TwipsToPixels(twips, m_host->logicalDpiX()));
    SetGeometry(pixels);
}

void TextBox::SetHeight(int twips) {
    QRect pixels = m_host->geometry();
    pixels.setHeight(TwipsToPixels(twips, m_host->logicalDpiY()));
    SetGeometry(pixels);
}

void TextBox::SetGeometry(const QRect& pixels) {
    m_host->setGeometry(pixels);
    m_edit->setGeometry(0, 0, pixels.width(), pixels.height());
}

void TextBox::SetEnabled(bool enabled) { m_edit->setEnabled(enabled); }

void TextBox::SetMousePointer(design::MousePointer pointer) {
    if (pointer == design::MousePointer::NoDrop) {
        m_edit->setCursor(Qt::ForbiddenCursor);
        m_host->setCursor(Qt::ForbiddenCursor);
    } else {
        m_edit->setCursor(Qt::IBeamCursor);  // QLineEdit's own
        m_host->unsetCursor();
    }
}

// The colour goes into every colour group: a disabled field paints with the
// Disabled group, and the output field is always disabled. Red is the only
// sign of an invalid entry on screen; the accessible description carries the
// same news to a screen reader, which sees no colours.
void TextBox::SetBackColor(BackColor color) {
    if (m_backColor == color) return;
    m_backColor = color;
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::All, QPalette::Base, ToQColor(color));
    m_edit->setPalette(palette);
    m_edit->setAccessibleDescription(color == kInvalidColor ? QString::fromLatin1(kInvalidEntry)
                                                            : QString());
}

void TextBox::OnChange(QObject* context, std::function<void()> handler) {
    QObject::connect(m_edit, &QLineEdit::textChanged, context,
                     [this, handler = std::move(handler)](const QString& text) {
                         if (text == m_text) return;
                         m_text = text;
                         handler();
                     });
}

Text TextBox::GetText() const { return ToText(m_edit->text()); }

void TextBox::SetText(TextView text) {
    const QString newText = ToQString(text);
    if (newText != m_edit->text()) m_edit->setText(newText);
}

}  // namespace zembra
