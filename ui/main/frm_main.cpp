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
#include <string_view>
#include <utility>

#include "ui/common/centre_on_screen.h"
#include "ui/common/design_font.h"
#include "ui/common/twips.h"
#include "ui/main/help_menu.h"
#include "ui/main/line_control.h"
#include "ui/main/qt_text.h"

namespace zembra {

namespace {

// Minimise and close buttons, no maximise button; the frame stays resizable.
constexpr Qt::WindowFlags kFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                   Qt::WindowCloseButtonHint;

QString Latin1(const char* text) { return QString::fromLatin1(text); }

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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

// The fields open as the model has them after Form_Load; Render then gives
// the labels, marks and title theirs.
frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent, kFrame),
      txtDec(MakeClientArea(*this), design::txtDec, MainFont(), m_model.State().txtDec),
      txtAFS(centralWidget(), design::txtAFS, MainFont(), m_model.State().txtAFS),
      txtHex(centralWidget(), design::txtHex, MainFont(), m_model.State().txtHex),
      lblDec(MakeLabel(centralWidget(), design::lblDec)),
      lblAFS(MakeLabel(centralWidget(), design::lblAFS)),
      Label1(MakeLabel(centralWidget(), design::Label1)) {
    QWidget* client = centralWidget();
    Label1->setBuddy(txtHex.edit());
    // lblDec and lblAFS get theirs from Render, as the fields move.
    new LineControl(client, design::Line1);
    new LineControl(client, design::Line2);
    setObjectName(Latin1(design::kFormName));
    setWindowIcon(QIcon(Latin1(design::kIcon)));
    BuildMenus();
    QWidget::setTabOrder(txtDec.edit(), txtAFS.edit());
    QWidget::setTabOrder(txtAFS.edit(), txtHex.edit());

    // Only the user's edits: the window's own writes raise textChanged alone.
    connect(txtDec.edit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { txtDec_Change(text); });
    connect(txtAFS.edit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { txtAFS_Change(text); });
    txtDec.edit()->installEventFilter(this);
    txtAFS.edit()->installEventFilter(this);

    resize(TwipsToPixels(design::kClientWidth, logicalDpiX()),
           TwipsToPixels(design::kClientHeight, logicalDpiY()) + menuBar()->sizeHint().height());
    CentreOnScreen(*this);
    Render();
}

void frmMain::BuildMenus() {
    QMenu* mnuAction = menuBar()->addMenu(Latin1(design::mnuActionCaption));
    mnuAction->setObjectName(Latin1(design::mnuActionName));
    for (std::size_t i = 0; i < mnuActionItems.size(); ++i) {
        const design::MenuItemDesign& item = design::mnuActionItems[i];
        QAction* action = mnuAction->addAction(Latin1(item.caption));
        action->setObjectName(Latin1(item.name));
        action->setCheckable(true);
        // Qt has flipped the mark by the time triggered fires; Render puts
        // the model's marks back.
        const auto index = static_cast<std::int16_t>(i + 1);
        connect(action, &QAction::triggered, this, [this, index] { mnuActionItems_Click(index); });
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

// Everything the model may have changed, each property only when it
// differs. The labels stay put while the fields swap rows, so each label is
// tied anew to the field beside it, for assistive technology.
void frmMain::Render() {
    const WindowState& state = m_model.State();
    txtDec.Render(state.txtDec);
    txtAFS.Render(state.txtAFS);
    txtHex.Render(state.txtHex);
    const bool decimalUpper = state.upperField == EntryField::txtDec;
    const std::pair<QLabel*, std::string_view> captions[] = {
        {lblDec, state.lblDec}, {lblAFS, state.lblAFS}, {Label1, state.Label1}};
    for (const auto& [label, caption] : captions) {
        const QString text = Latin1(caption);
        if (label->text() != text) label->setText(text);
    }
    QLineEdit* upper = decimalUpper ? txtDec.edit() : txtAFS.edit();
    QLineEdit* lower = decimalUpper ? txtAFS.edit() : txtDec.edit();
    if (lblDec->buddy() != upper) lblDec->setBuddy(upper);
    if (lblAFS->buddy() != lower) lblAFS->setBuddy(lower);
    for (std::size_t i = 0; i < mnuActionItems.size(); ++i) {
        if (mnuActionItems[i]->isChecked() != state.checked[i])
            mnuActionItems[i]->setChecked(state.checked[i]);
    }
    const QString title = QString::fromStdString(state.title);
    if (windowTitle() != title) setWindowTitle(title);
}

void frmMain::Form_Resize() {
    m_model.Form_Resize(isMinimized());
    Render();
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
    m_model.mnuActionItems_Click(index);
    Render();
}

void frmMain::txtDec_Change(const QString& text) {
    m_model.EditDecimal(ToText(text));
    Render();
}

void frmMain::txtAFS_Change(const QString& text) {
    m_model.EditAfs(ToText(text));
    Render();
}

void frmMain::txtDec_GotFocus() { SendEndKey(this); }

void frmMain::txtAFS_GotFocus() { SendEndKey(this); }

}  // namespace zembra
