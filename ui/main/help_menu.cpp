// SPDX-License-Identifier: MIT
#include "ui/main/help_menu.h"

#include <QMessageBox>
#include <QString>

#include "ui/about/frm_about.h"
#include "ui/main/help_texts.h"

namespace zembra {

namespace {

void ShowInformation(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Information, title, QString(), QMessageBox::Ok);
    // Rich text would collapse the texts' runs of blanks and empty lines.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.exec();
}

}  // namespace

void mnuHelpItems_Click(std::int16_t index) {
    switch (index) {
        case 1:
            ShowInformation(HelpText(), HelpTitle());
            break;
        case 2:
            ShowInformation(LicenceText(), LicenceTitle());
            break;
        case 3:
            AboutForm().Show();
            break;
        default:
            break;
    }
}

}  // namespace zembra
