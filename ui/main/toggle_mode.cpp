// SPDX-License-Identifier: MIT
// ToggleMode: decides from item 1's mark alone, then writes the new mode's
// layout one property at a time. It writes no text, so it starts no
// conversion.
#include "ui/main/toggle_mode.h"

#include <QAction>
#include <QLabel>

#include "ui/main/frm_main.h"

namespace zembra {

void ToggleMode(frmMain& form) {
    QAction& item1 = *form.mnuActionItems[0];
    QAction& item2 = *form.mnuActionItems[1];
    if (item1.isChecked()) {
        item1.setChecked(false);
        item2.setChecked(true);
    } else {
        item1.setChecked(true);
        item2.setChecked(false);
    }

    const design::ModeLayout& layout =
        item1.isChecked() ? design::kDecimalToAfsLayout : design::kAfsToDecimalLayout;
    form.txtDec.SetTop(layout.decTop);
    form.txtAFS.SetTop(layout.afsTop);
    form.lblDec->setText(QString::fromLatin1(layout.upperCaption));
    form.lblAFS->setText(QString::fromLatin1(layout.lowerCaption));
    form.txtDec.SetEnabled(layout.decEnabled);
    form.txtAFS.SetEnabled(layout.afsEnabled);
    form.txtDec.SetMousePointer(layout.decPointer);
    form.txtAFS.SetMousePointer(layout.afsPointer);
}

}  // namespace zembra
