// SPDX-License-Identifier: MIT
#include "ui/main/help_menu.h"

#include <QMessageBox>
#include <QString>
#include <optional>

#include "ui/about/frm_about.h"
#include "ui/design/help_texts.h"
#include "ui/design/main_window.h"

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
    const std::optional<design::HelpAction> action = design::HelpActionAt(index);
    if (!action) return;
    switch (*action) {
        case design::HelpAction::ShowHelp:
            ShowInformation(HelpText(), kHelpTitle);
            return;
        case design::HelpAction::ShowLicence:
            ShowInformation(LicenceText(), kLicenceTitle);
            return;
        case design::HelpAction::OpenAbout:
            AboutForm().Show();
            return;
    }
}

}  // namespace zembra
