// SPDX-License-Identifier: MIT
// The About window from the Help menu: kind, captions, cut-off picture, each
// way of closing it and a fresh build after, and its real 7.5 seconds.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "app/version.h"
#include "modal_helpers.h"
#include "ui/about/frm_about.h"
#include "ui/main/help_menu.h"

namespace zembra {
namespace {

// Opens the About window from the Help menu and runs `inspect` on it, then
// closes it as Timer1 does unless `inspect` has.
void WithAboutOpen(const std::function<void(QDialog*)>& inspect) {
    testing::OnNextModal([&inspect](QWidget* modal) {
        EXPECT_EQ(modal, AboutForm().window());
        if (QDialog* w = AboutForm().window()) inspect(w);
        if (modal->isVisible()) testing::Dismiss(modal);
    });
    mnuHelpItems_Click(3);
}

bool Runs(const QWidget* window, const char* timer) {
    const auto* t = window->findChild<QTimer*>(QString::fromLatin1(timer));
    return t != nullptr && t->isActive();
}

void StaticTexts(QAccessibleInterface* node, QStringList& texts) {
    if (node->role() == QAccessible::StaticText) texts << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) StaticTexts(node->child(i), texts);
}

TEST(AboutWindow, IsAFixedToolWindowWithReadableCaptionsOverTheCutOffPicture) {
    // Without the JPEG plugin the window would silently show an empty frame.
    ASSERT_TRUE(QImageReader::supportedImageFormats().contains("jpeg"));
    const QImage jpeg(QStringLiteral(":/about/cheese.jpg"));
    ASSERT_EQ(jpeg.size(), QSize(320, 240));
    WithAboutOpen([&jpeg](QDialog* w) {
        EXPECT_EQ(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        EXPECT_EQ(w->minimumSize(), w->maximumSize());
        const QPoint offCentre = w->geometry().center() - w->screen()->availableGeometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 1) << "centred on the screen";
        QStringList texts;  // as a screen reader reads them
        StaticTexts(QAccessible::queryAccessibleInterface(w), texts);
        EXPECT_EQ(texts,
                  (QStringList{"Another Cheesy Application", "by", "Kestavo Software", "Zembra",
                               "Version: 1.0.1", QString::fromUtf8(version::kLegalCopyright)}));

        // Spots no letter covers, inside the 2-pixel border; the picture is
        // drawn at its natural size and cut off at the right and bottom.
        const QImage shot = w->grab().toImage();
        for (const QPoint p : {QPoint(0, 0), QPoint(316, 120), QPoint(150, 228)}) {
            EXPECT_NEAR(qGray(shot.pixel(p + QPoint(2, 2))), qGray(jpeg.pixel(p)), 2) << p.x();
        }
        // The cut-off edges leave the sunken border's light lines alone.
        const QRgb light = w->palette().color(QPalette::Light).rgb();
        EXPECT_EQ(shot.pixel(320, 120), light);
        EXPECT_EQ(shot.pixel(150, 232), light);
    });
}

struct CloseCase {
    const char* name;
    void (*close)(QDialog*);
};

class AboutClosing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AboutClosing, StopsBothTimersAndDestroysTheWindowSoTheNextOneIsNew) {
    QPointer<QDialog> first;
    WithAboutOpen([&first](QDialog* w) {
        first = w;
        w->setWindowTitle(QStringLiteral("changed"));
        GetParam().close(w);
        EXPECT_FALSE(w->isVisible() || Runs(w, "Timer1") || Runs(w, "Timer2"));
    });
    EXPECT_TRUE(first.isNull());
    WithAboutOpen([](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("  Zembra"));
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
