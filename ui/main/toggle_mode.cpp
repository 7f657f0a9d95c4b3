// SPDX-License-Identifier: MIT
// ToggleMode: decides from item 1's mark alone, then writes the new mode's
// layout one property at a time. It writes no text, so it starts no
// conversion. The labels stay where they are while the fields swap rows, so
// each label is tied anew to the field beside it, for assistive technology.
#include "ui/main/toggle_mode.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "core/conversion_mode.h"
#include "ui/main/frm_main.h"

namespace zembra {

void ToggleMode(frmMain& form) {
    QAction& item1 = *form.mnuActionItems[0];
    QAction& item2 = *form.mnuActionItems[1];
    const ActionMarks marks = Toggled({item1.isChecked(), item2.isChecked()});
    item1.setChecked(marks.decimalToAfs);
    item2.setChecked(marks.afsToDecimal);

    const bool decimalToAfs = item1.isChecked();
    const design::ModeLayout& layout = design::LayoutFor(decimalToAfs);
    form.txtDec.SetTop(layout.decTop);
    form.txtAFS.SetTop(layout.afsTop);
    form.lblDec->setText(QString::fromLatin1(layout.upperCaption));
    form.lblAFS->setText(QString::fromLatin1(layout.lowerCaption));
    form.lblDec->setBuddy(decimalToAfs ? form.txtDec.edit() : form.txtAFS.edit());
    form.lblAFS->setBuddy(decimalToAfs ? form.txtAFS.edit() : form.txtDec.edit());
    form.txtDec.SetEnabled(layout.decEnabled);
    form.txtAFS.SetEnabled(layout.afsEnabled);
    form.txtDec.SetMousePointer(layout.decPointer);
    form.txtAFS.SetMousePointer(layout.afsPointer);
}

}  // namespace zembra
