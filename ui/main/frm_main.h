// SPDX-License-Identifier: MIT
// frmMain, the program's one working window: three text boxes, three labels,
// two lines and the Action and Help menus, built from ui/design/main_window.h. It
// serves the converters' ConverterFields from its controls; its change
// handlers hand over to the core's field reactions, whose writes raise the
// handlers again inside the write until a write leaves a text unchanged.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>

#include "core/converter_fields.h"
#include "ui/main/text_box.h"

class QAction;
class QLabel;

namespace zembra {

class frmMain : public QMainWindow, public ConverterFields {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    Text GetDecimalText() const override;
    void SetDecimalText(TextView text) override;
    Text GetAfsText() const override;
    void SetAfsText(TextView text) override;
    void SetAfsBackColor(BackColor color) override;
    void SetHexText(TextView text) override;
    bool IsActionItemChecked(int index) const override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend void ToggleMode(frmMain& form);

    void BuildMenus();
    void Form_Load();
    void Form_Resize();
    void mnuActionItems_Click(std::int16_t index);
    void txtDec_Change();
    void txtAFS_Change();
    void txtDec_GotFocus();
    void txtAFS_GotFocus();

    TextBox txtDec;
    TextBox txtAFS;
    TextBox txtHex;
    QLabel* lblDec;
    QLabel* lblAFS;
    std::array<QAction*, 2> mnuActionItems{};  // items 1 and 2
};

}  // namespace zembra
