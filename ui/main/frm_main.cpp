// SPDX-License-Identifier: MIT
// frmMain: the window built from its design, and its event procedures.
#include "ui/main/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/version.h"
#include "core/afs_codec.h"
#include "ui/common/centre_on_screen.h"
#include "ui/common/design_font.h"
#include "ui/common/twips.h"
#include "ui/main/help_menu.h"
#include "ui/main/line_control.h"
#include "ui/main/toggle_mode.h"

namespace zembra {

namespace {

// Minimise and close buttons, no maximise button; the frame stays resizable.
constexpr Qt::WindowFlags kFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                   Qt::WindowCloseButtonHint;

QString Latin1(const char* text) { return QString::fromLatin1(text); }

QFont MainFont() { return DesignFont(design::kFontPoints, QFont::Normal); }

// The client area below the menu bar, in which the design places every
// control; built first, as the fields go into it.
QWidget* MakeClientArea(QMainWindow& window) {
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    return client;
}

QLabel* MakeLabel(QWidget* parent, const design::LabelDesign& design) {
    auto* label = new QLabel(Latin1(design.caption), parent);
    label->setObjectName(Latin1(design.name));
    label->setFont(MainFont());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(TwipsToPixels(design.rect, *label));
    return label;
}

// The End key for the field that has focus, once the event that gave it
// focus is over: a caret put at the end now would be moved back by the
// mouse press that is still being handled.
void SendEndKey(QObject* context) {
    QTimer::singleShot(0, context, [] {
        if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) field->end(false);
    });
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent, kFrame),
      txtDec(MakeClientArea(*this), design::txtDec, MainFont()),
      txtAFS(centralWidget(), design::txtAFS, MainFont()),
      txtHex(centralWidget(), design::txtHex, MainFont()),
      lblDec(MakeLabel(centralWidget(), design::lblDec)),
      lblAFS(MakeLabel(centralWidget(), design::lblAFS)) {
    QWidget* client = centralWidget();
    MakeLabel(client, design::Label1)->setBuddy(txtHex.edit());
    // lblDec and lblAFS get theirs from ToggleMode, as the fields move.
    new LineControl(client, design::Line1);
    new LineControl(client, design::Line2);
    setObjectName(Latin1(design::kFormName));
    setWindowTitle(Latin1(design::kCaption));
    setWindowIcon(QIcon(Latin1(design::kIcon)));
    BuildMenus();
    QWidget::setTabOrder(txtDec.edit(), txtAFS.edit());
    QWidget::setTabOrder(txtAFS.edit(), txtHex.edit());

    txtDec.OnChange(this, [this] { txtDec_Change(); });
    txtAFS.OnChange(this, [this] { txtAFS_Change(); });
    txtDec.edit()->installEventFilter(this);
    txtAFS.edit()->installEventFilter(this);

    resize(TwipsToPixels(design::kClientWidth, logicalDpiX()),
           TwipsToPixels(design::kClientHeight, logicalDpiY()) + menuBar()->sizeHint().height());
    CentreOnScreen(*this);

    Form_Load();
}

void frmMain::BuildMenus() {
    QMenu* mnuAction = menuBar()->addMenu(Latin1(design::mnuActionCaption));
    mnuAction->setObjectName(Latin1(design::mnuActionName));
    for (std::size_t i = 0; i < mnuActionItems.size(); ++i) {
        const design::MenuItemDesign& item = design::mnuActionItems[i];
        QAction* action = mnuAction->addAction(Latin1(item.caption));
        action->setObjectName(Latin1(item.name));
        action->setCheckable(true);
        action->setChecked(item.checked);
        // Qt flips the mark before triggered fires: put it back, so that
        // ToggleMode decides from the marks as they were and its marks are
        // the only ones that stay.
        const auto index = static_cast<std::int16_t>(i + 1);
        connect(action, &QAction::triggered, this, [this, action, index](bool checked) {
            action->setChecked(!checked);
            mnuActionItems_Click(index);
        });
        mnuActionItems[i] = action;
    }

    QMenu* mnuHelp = menuBar()->addMenu(Latin1(design::mnuHelpCaption));
    mnuHelp->setObjectName(Latin1(design::mnuHelpName));
    for (std::size_t i = 0; i < design::mnuHelpItems.size(); ++i) {
        const design::MenuItemDesign& item = design::mnuHelpItems[i];
        QAction* action = mnuHelp->addAction(Latin1(item.caption));
        action->setObjectName(Latin1(item.name));
        const auto index = static_cast<std::int16_t>(i + 1);
        connect(action, &QAction::triggered, this, [index] { mnuHelpItems_Click(index); });
    }
}

void frmMain::Form_Load() {
    txtDec.SetWidth(design::kEntryWidth);
    txtDec.SetHeight(design::kEntryHeight);
    txtAFS.SetWidth(design::kEntryWidth);
    txtAFS.SetHeight(design::kEntryHeight);
    ToggleMode(*this);
}

void frmMain::Form_Resize() {
    if (isMinimized()) {
        setWindowTitle(Latin1(design::kMinimisedTitlePrefix) +
                       QString::fromStdString(VersionText()));
    } else {
        setWindowTitle(Latin1(design::kTitle));
    }
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
    // The desktop's theme changed: the fields' text colours go with it.
    if (event->type() == QEvent::PaletteChange) {
        txtDec.ApplyColors();
        txtAFS.ApplyColors();
        txtHex.ApplyColors();
    }
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == txtDec.edit()) txtDec_GotFocus();
        if (watched == txtAFS.edit()) txtAFS_GotFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::mnuActionItems_Click(std::int16_t index) {
    if (index == kDecimalToAfsItem || index == kAfsToDecimalItem) ToggleMode(*this);
}

void frmMain::txtDec_Change() { ReactToDecimalChange(*this); }

void frmMain::txtAFS_Change() { txtDec.SetBackColor(ReactToAfsChange(*this)); }

void frmMain::txtDec_GotFocus() { SendEndKey(this); }

void frmMain::txtAFS_GotFocus() { SendEndKey(this); }

Text frmMain::GetDecimalText() const { return txtDec.GetText(); }

void frmMain::SetDecimalText(TextView text) { txtDec.SetText(text); }

Text frmMain::GetAfsText() const { return txtAFS.GetText(); }

void frmMain::SetAfsText(TextView text) { txtAFS.SetText(text); }

void frmMain::SetAfsBackColor(BackColor color) { txtAFS.SetBackColor(color); }

void frmMain::SetHexText(TextView text) { txtHex.SetText(text); }

bool frmMain::IsActionItemChecked(int index) const {
    if (index != kDecimalToAfsItem && index != kAfsToDecimalItem) return false;
    return mnuActionItems[static_cast<std::size_t>(index - 1)]->isChecked();
}

}  // namespace zembra
