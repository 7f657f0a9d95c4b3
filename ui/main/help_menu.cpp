// SPDX-License-Identifier: MIT
#include "ui/main/help_menu.h"

#include <QMessageBox>
#include <QString>

#include "ui/about/frm_about.h"
#include "ui/design/help_texts.h"

namespace zembra {

namespace {

void ShowInformation(const std::string& text, const char* title) {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(title), QString(),
                    QMessageBox::Ok);
    // Rich text would collapse the texts' runs of blanks and empty lines.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.exec();
}

}  // namespace

void mnuHelpItems_Click(std::int16_t index) {
    switch (index) {
        case 1:
            ShowInformation(HelpText(), kHelpTitle);
            break;
        case 2:
            ShowInformation(LicenceText(), kLicenceTitle);
            break;
        case 3:
            AboutForm().Show();
            break;
        default:
            break;
    }
}

}  // namespace zembra
