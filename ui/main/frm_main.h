// SPDX-License-Identifier: MIT
// frmMain, the program's one working window: three text boxes, three labels,
// two lines and the Action and Help menus, built from ui/design/main_window.h.
// It renders the window model (ui/model/): each edit the user makes and each
// Action choice is one call into the model, after which the controls are
// brought to the model's state. What is Qt's own stays here: the caret put
// at the end on focus, the pointer's host widget, the text colours of the
// theme, the accessible texts.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>

#include "ui/main/text_box.h"
#include "ui/model/converter_window.h"

class QAction;
class QLabel;

namespace zembra {

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    // What the window shows; tests read the reactions it has run.
    const ConverterWindow& model() const { return m_model; }

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void Render();
    void Form_Resize();
    void mnuActionItems_Click(std::int16_t index);
    void txtDec_Change(const QString& text);
    void txtAFS_Change(const QString& text);
    void txtDec_GotFocus();
    void txtAFS_GotFocus();

    ConverterWindow m_model;
    TextBox txtDec;
    TextBox txtAFS;
    TextBox txtHex;
    QLabel* lblDec;
    QLabel* lblAFS;
    QLabel* Label1;
    std::array<QAction*, 2> mnuActionItems{};  // items 1 and 2
};

}  // namespace zembra
