// SPDX-License-Identifier: MIT
// The Help menu: each item by its access key in frmMain, the boxes' exact
// texts read while open, the main window left as it was; the About window's
// kind, captions and cut-off picture, each way of closing it and a fresh
// build after, its real 7.5 seconds; many openings leave nothing behind.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QCryptographicHash>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "tests/qt_support/modal_helpers.h"
#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"
#include "ui/main/help_menu.h"
#include "version/version.h"

namespace zembra {
namespace {

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

struct ItemCase {
    const char* name;
    Qt::Key key;  // after Alt+H
    QString title;
    // The SHA-1 of a box's exact text, whose blanks at the lines' ends an
    // editor might strip unseen; none for the About window.
    const char* textSha1;
};

class HelpItem : public ::testing::TestWithParam<ItemCase> {};

TEST_P(HelpItem, OpensByItsAccessKeyAndLeavesTheMainWindowAsItWas) {
    const ItemCase& c = GetParam();
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* txtDec = window.findChild<QLineEdit*>(QStringLiteral("txtDec"));
    auto* help = window.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    txtDec->selectAll();
    QTest::keyClicks(txtDec, QStringLiteral("123"));
    const QStringList before = State(window);

    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(help->isVisible());
    testing::OnNextModal([&c](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), c.title);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            EXPECT_EQ(box->buttons(), QList<QAbstractButton*>{box->button(QMessageBox::Ok)});
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(
                QCryptographicHash::hash(label->text().toUtf8(), QCryptographicHash::Sha1).toHex(),
                c.textSha1)
                << label->text().toStdString();
        }
        testing::Dismiss(modal);
    });
    QTest::keyClick(help, c.key);  // returns once the window has closed
    QTRY_VERIFY(!help->isVisible());
    EXPECT_EQ(State(window), before);
    QTest::keyClicks(txtDec, QStringLiteral("4"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtAFS"))->text(), "09-102");
}

INSTANTIATE_TEST_SUITE_P(
    Items, HelpItem,
    ::testing::Values(ItemCase{"Help", Qt::Key_H, QStringLiteral(" Help"),
                               "50ea5d93f45a117786763074c1a4a265256ede59"},
                      ItemCase{"LicenseInfo", Qt::Key_L, QStringLiteral("Help Information"),
                               "f692e4aa4f4b9f8bbe8103b873faef32b38971ab"},
                      ItemCase{"About", Qt::Key_A, QStringLiteral("  Zembra"), nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(HelpMenu, FiveHundredOpeningsOfEachAndOtherIndexesLeaveNoWindowBehind) {
    const auto topLevels = QApplication::topLevelWidgets().size();
    QElapsedTimer clock;
    clock.start();
    mnuHelpItems_Click(0);
    mnuHelpItems_Click(4);
    EXPECT_LT(clock.elapsed(), 1000) << "index 0 or 4 opened a window";
    for (int i = 0; i < 1500; ++i) {  // 500 of each item
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

// A fixed tool window, centred, its captions over the picture, which is drawn
// at its natural size and cut off at the right and bottom.
void ExpectAsDesigned(QDialog* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("  Zembra"));
    EXPECT_EQ(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    const QPoint offCentre = w->geometry().center() - w->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << "centred on the screen";
    QStringList texts;  // as a screen reader reads them
    StaticTexts(QAccessible::queryAccessibleInterface(w), texts);
    EXPECT_EQ(texts, (QStringList{"Another Cheesy Application", "by", "Kestavo Software", "Zembra",
                                  "Version: 1.0.1", QString::fromUtf8(version::kLegalCopyright)}));
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

struct CloseCase {
    const char* name;
    void (*close)(QDialog*);
};

class AboutClosing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AboutClosing, StopsBothTimersAndTheNextOpeningBuildsTheWindowAnew) {
    QPointer<QDialog> first;
    WithAboutOpen([&first](QDialog* w) {
        first = w;
        w->setWindowTitle(QStringLiteral("changed"));
        w->findChild<QLabel*>()->setText(QStringLiteral("changed"));
        GetParam().close(w);
        EXPECT_FALSE(w->isVisible() || Runs(w, "Timer1") || Runs(w, "Timer2"));
    });
    EXPECT_TRUE(first.isNull());
    WithAboutOpen([](QDialog* w) {
        ExpectAsDesigned(w);
        EXPECT_TRUE(Runs(w, "Timer1") && Runs(w, "Timer2"));
    });
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutClosing,
    ::testing::Values(CloseCase{"Timer1", [](QDialog* w) { testing::Dismiss(w); }},
                      CloseCase{"Escape", [](QDialog* w) { QTest::keyClick(w, Qt::Key_Escape); }},
                      // The close button and Alt+F4 reach it as this request.
                      CloseCase{"CloseRequest", [](QDialog* w) { w->close(); }}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(AboutWindow, ClosesItselfAfterSevenAndAHalfSeconds) {
    QElapsedTimer clock;
    clock.start();
    mnuHelpItems_Click(3);
    const qint64 elapsed = clock.elapsed();
    EXPECT_TRUE(elapsed >= 7500 && elapsed < 8000) << elapsed << " ms";
}

}  // namespace
}  // namespace zembra
