// SPDX-License-Identifier: MIT
#include "windows/help_menu.h"

#include "ui/design/help_texts.h"
#include "ui/design/main_window.h"
#include "windows/frm_about.h"
#include "windows/wide_text.h"

namespace zembra::win {

namespace {

// The texts exactly as built, lone line feeds included: the box breaks its
// lines at each of them.
void ShowBox(HWND owner, const std::string& text, const char* title) {
    MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void RunHelpItem(HWND owner, int index, frmAbout& about) {
    const std::optional<design::HelpAction> action = design::HelpActionAt(index);
    if (!action) return;
    switch (*action) {
        case design::HelpAction::ShowHelp:
            ShowBox(owner, HelpText(), kHelpTitle);
            return;
        case design::HelpAction::ShowLicence:
            ShowBox(owner, LicenceText(), kLicenceTitle);
            return;
        case design::HelpAction::OpenAbout:
            about.ShowModal(owner);
            return;
    }
}

}  // namespace zembra::win
