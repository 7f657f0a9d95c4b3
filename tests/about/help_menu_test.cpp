// SPDX-License-Identifier: MIT
// frmMain's menu bar as its table in testdata/ has it, each item chosen by
// its access keys: the Help boxes' exact texts read while open, the main
// window left as it was; the About window's kind, texts and cut-off picture,
// each way of closing it and a fresh build after, its real 7.5 seconds;
// repeated openings leave nothing behind.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <functional>
#include <utility>
#include <vector>

#include "tests/core/case_file.h"
#include "tests/qt_support/modal_helpers.h"
#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"
#include "ui/main/help_menu.h"

namespace zembra {
namespace {

QString Field(const tests::CaseRow& row, std::size_t index) {
    return QString::fromStdU16String(row.fields[index]);
}

// The letter after the caption's "&".
Qt::Key AccessKey(const QString& caption) {
    return Qt::Key(caption.at(caption.indexOf('&') + 1).toUpper().unicode());
}

// Everything of frmMain that a Help item could disturb.
QStringList State(const frmMain& window) {
    QStringList state{window.windowTitle()};
    for (const auto* field : window.findChildren<QLineEdit*>()) {
        state << field->text() << QString::number(field->isEnabled())
              << field->palette().color(QPalette::Active, QPalette::Base).name();
    }
    for (const auto* item : window.findChildren<QAction*>())
        state << QString::number(item->isChecked());
    return state;
}

// Checks the box or window that an item opened, and closes it.
void ExpectOpened(QWidget* modal, const QString& title, const QString& text) {
    EXPECT_EQ(modal->windowTitle(), title);
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->buttons(), QList<QAbstractButton*>{box->button(QMessageBox::Ok)});
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->text(), text);
    }
    testing::Dismiss(modal);
}

TEST(MenuBar, HoldsTheItemsOfItsFileEachChosenByItsAccessKeys) {
    QMap<QString, QString> boxTexts;  // by the item that shows the box
    for (const tests::CaseRow& row : tests::ReadCases(ZEMBRA_ABOUT_CASES "/boxes.txt", 2))
        boxTexts[Field(row, 0)] += Field(row, 1) + "\n";
    const std::vector<tests::CaseRow> rows = tests::ReadCases(ZEMBRA_ABOUT_CASES "/menus.txt", 5);
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QList<QAction*> entries;  // each menu, then its items
    for (QAction* menu : window.menuBar()->actions()) entries << menu << menu->menu()->actions();
    ASSERT_EQ(static_cast<std::size_t>(entries.size()), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QAction* entry = entries[static_cast<qsizetype>(i)];
        const char* mark = entry->isChecked() ? "checked" : "unchecked";
        EXPECT_EQ((entry->menu() ? entry->menu()->objectName() : entry->objectName()) + " " +
                      entry->text() + " " + (entry->isCheckable() ? mark : "-"),
                  Field(rows[i], 0) + " " + Field(rows[i], 1) + " " + Field(rows[i], 2));
    }
    auto* txtDec = window.findChild<QLineEdit*>(QStringLiteral("txtDec"));
    QMenu* menu = nullptr;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].where);
        const QString title = Field(rows[i], 3);
        if (entries[static_cast<qsizetype>(i)]->menu()) {
            menu = entries[static_cast<qsizetype>(i)]->menu();
            continue;
        }
        window.activateWindow();  // again, after the window that the last item opened
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        txtDec->selectAll();
        QTest::keyClicks(txtDec, QStringLiteral("123"));
        const QStringList before = State(window);
        // With no widget, QTest sends the keys where a user's go.
        QTest::keyClick(static_cast<QWidget*>(nullptr), AccessKey(menu->title()), Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        const QString text = boxTexts.value(Field(rows[i], 0));
        if (title != "-")
            testing::OnNextModal([&](QWidget* modal) { ExpectOpened(modal, title, text); });
        QTest::keyClick(menu, AccessKey(Field(rows[i], 1)));  // returns once the window closed
        ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblDec"))->text(), Field(rows[i], 4));
        if (title == "-") continue;  // an Action item
        EXPECT_EQ(State(window), before);
        QTest::keyClicks(txtDec, QStringLiteral("4"));
        EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtAFS"))->text(), "09-102");
    }
}

TEST(HelpMenu, RepeatedOpeningsOfEachAndOtherIndexesLeaveNoWindowBehind) {
    const auto topLevels = QApplication::topLevelWidgets().size();
    QElapsedTimer clock;
    clock.start();
    mnuHelpItems_Click(0);
    mnuHelpItems_Click(4);
    EXPECT_LT(clock.elapsed(), 1000) << "index 0 or 4 opened a window";
    for (int i = 0; i < 60; ++i) {  // 20 of each item
        testing::OnNextModal(&testing::Dismiss);
        mnuHelpItems_Click(static_cast<std::int16_t>(1 + i % 3));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels);
}

bool Runs(const QWidget* window, const char* timer) {
    const auto* t = window->findChild<QTimer*>(QString::fromLatin1(timer));
    return t != nullptr && t->isActive();
}

void StaticTexts(QAccessibleInterface* node, QStringList& texts) {
    if (node->role() == QAccessible::StaticText) texts << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) StaticTexts(node->child(i), texts);
}

// A fixed tool window, centred, its texts over the picture, which is drawn
// at its natural size and cut off at the right and bottom.
void ExpectAsDesigned(QDialog* w) {
    QStringList texts{w->windowTitle()};  // then as a screen reader reads them
    StaticTexts(QAccessible::queryAccessibleInterface(w), texts);
    EXPECT_EQ(texts,
              (QStringList{"  Zembra", "Another Cheesy Application", "by", "Kestavo Software",
                           "Zembra", "Version: 1.0.1", "Copyright (C) 2026 Kestavo Software"}));
    EXPECT_EQ(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    const QPoint offCentre = w->geometry().center() - w->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << "centred on the screen";
    // Spots no letter covers, inside the 2-pixel border. An empty frame
    // (no JPEG plugin) fails here.
    const QImage jpeg(QStringLiteral(":/about/cheese.jpg"));
    const QImage shot = w->grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(316, 120), QPoint(150, 228)})
        EXPECT_NEAR(qGray(shot.pixel(p + QPoint(2, 2))), qGray(jpeg.pixel(p)), 2) << p.x();
    // The cut-off edges leave the sunken border's light lines alone.
    const QRgb light = w->palette().color(QPalette::Light).rgb();
    EXPECT_EQ(shot.pixel(320, 120), light);
    EXPECT_EQ(shot.pixel(150, 232), light);
}

// Opens the About window from the Help menu and runs `inspect` on it, then
// closes it as Timer1 does unless `inspect` has.
void WithAboutOpen(const std::function<void(QDialog*)>& inspect) {
    testing::OnNextModal([&inspect](QWidget* modal) {
        EXPECT_EQ(modal, AboutForm().window());
        inspect(AboutForm().window());
        if (modal->isVisible()) testing::Dismiss(modal);
    });
    mnuHelpItems_Click(3);
}

TEST(AboutWindow, EachWayOfClosingStopsBothTimersAndTheNextOpeningBuildsItAnew) {
    const std::pair<const char*, void (*)(QDialog*)> ways[] = {
        {"Timer1", [](QDialog* w) { testing::Dismiss(w); }},
        {"Escape", [](QDialog* w) { QTest::keyClick(w, Qt::Key_Escape); }},
        // The close button and Alt+F4 reach it as this request.
        {"close request", [](QDialog* w) { w->close(); }}};
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        QPointer<QDialog> first;
        WithAboutOpen([&first, close = close](QDialog* w) {
            first = w;
            w->setWindowTitle(QStringLiteral("changed"));
            w->findChild<QLabel*>()->setText(QStringLiteral("changed"));
            close(w);
            EXPECT_FALSE(w->isVisible() || Runs(w, "Timer1") || Runs(w, "Timer2"));
        });
        EXPECT_TRUE(first.isNull());
        WithAboutOpen([](QDialog* w) {
            ExpectAsDesigned(w);
            EXPECT_TRUE(Runs(w, "Timer1") && Runs(w, "Timer2"));
        });
    }
}

TEST(AboutWindow, ClosesItselfAfterSevenAndAHalfSeconds) {
    QElapsedTimer clock;
    clock.start();
    mnuHelpItems_Click(3);
    const qint64 elapsed = clock.elapsed();
    EXPECT_TRUE(elapsed >= 7500 && elapsed < 8000) << elapsed << " ms";
}

}  // namespace
}  // namespace zembra
