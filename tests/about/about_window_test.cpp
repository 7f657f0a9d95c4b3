// SPDX-License-Identifier: MIT
// The About window as the Help menu opens it: captions, frame and flags,
// labels, the clipped picture, its timers, and how it closes and reopens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/version.h"
#include "modal_helpers.h"
#include "ui/about/frm_about.h"
#include "ui/main/help_menu.h"

namespace zembra {
namespace {

const char* const kPicture = ":/about/cheese.jpg";

QTimer* Timer(QWidget* window, const char* name) {
    return window->findChild<QTimer*>(QString::fromLatin1(name));
}

// Emits the timer's tick as if its interval had elapsed.
void Fire(QTimer* timer) {
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
}

// Opens the About window from the Help menu, runs `inspect` on it while it is
// open, then lets Timer1 fire unless `inspect` closed it already. Returns
// once the menu handler has returned.
void WithAboutOpen(const std::function<void(QDialog*)>& inspect) {
    testing::OnNextModal([&inspect](QWidget* modal) {
        QPointer<QDialog> window = qobject_cast<QDialog*>(modal);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window, AboutForm().window());
        inspect(window);
        if (window != nullptr && window->isVisible()) {
            Fire(Timer(window, "Timer1"));
        }
    });
    mnuHelpItems_Click(3);
}

TEST(AboutWindow, CaptionsAfterLoad) {
    WithAboutOpen([](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("  Zembra"));
        const std::pair<const char*, QString> captions[] = {
            {"lblOpening", QStringLiteral("Another Cheesy Application")},
            {"lblBy", QStringLiteral("by")},
            {"lblCompany", QStringLiteral("Kestavo Software")},
            {"lblTitle", QStringLiteral("Zembra")},
            {"lblVersion", QStringLiteral("Version: 1.0.1")},
            {"lblCopyright", QString::fromUtf8(version::kLegalCopyright)},
        };
        for (const auto& [name, caption] : captions) {
            SCOPED_TRACE(name);
            const auto* label = w->findChild<QLabel*>(QString::fromLatin1(name));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), caption);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
        }
        EXPECT_FALSE(QString::fromUtf8(version::kLegalCopyright).isEmpty());
    });
}

TEST(AboutWindow, IsAFixedModalToolWindowCentredOnTheScreen) {
    WithAboutOpen([](QDialog* w) {
        EXPECT_EQ(w->objectName(), QStringLiteral("frmAbout"));
        EXPECT_EQ(w->parentWidget(), nullptr);
        EXPECT_EQ(w->windowModality(), Qt::ApplicationModal);
        const Qt::WindowFlags flags = w->windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_EQ(w->size(), QSize(321, 233));
        EXPECT_EQ(w->minimumSize(), QSize(321, 233));
        EXPECT_EQ(w->maximumSize(), QSize(321, 233));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_LE((w->geometry().center() - screen.center()).manhattanLength(), 1);
    });
}

struct LabelCase {
    const char* name;
    int top;  // pixels inside the frame
    int height;
    qreal points;
};

TEST(AboutWindow, LabelsSpanThePictureCentredBoldAndTransparent) {
    const LabelCase cases[] = {
        {"lblOpening", 12, 29, 13.5}, {"lblBy", 48, 29, 9.75},     {"lblCompany", 72, 33, 18},
        {"lblTitle", 112, 25, 13.5},  {"lblVersion", 148, 25, 12}, {"lblCopyright", 188, 37, 8.25},
    };
    WithAboutOpen([&cases](QDialog* w) {
        auto* picture = w->findChild<QFrame*>(QStringLiteral("Picture1"));
        ASSERT_NE(picture, nullptr);
        const QColor textColour = QApplication::palette(picture).color(QPalette::WindowText);
        for (const LabelCase& c : cases) {
            SCOPED_TRACE(c.name);
            const auto* label = picture->findChild<QLabel*>(QString::fromLatin1(c.name));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->parentWidget(), picture);
            EXPECT_EQ(label->geometry(), QRect(2, 2 + c.top, 317, c.height));
            EXPECT_EQ(label->font().pointSizeF(), c.points);
            EXPECT_EQ(label->font().weight(), QFont::Bold);
            EXPECT_TRUE(QFontInfo(label->font()).bold());
            EXPECT_FALSE(label->font().italic() || label->font().underline() ||
                         label->font().strikeOut());
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            EXPECT_FALSE(label->autoFillBackground());
            const QColor expected =
                std::string_view(c.name) == "lblTitle" ? QColor(Qt::black) : textColour;
            EXPECT_EQ(label->palette().color(QPalette::WindowText), expected);
            // Centred text wider than the label would lose both ends.
            const QFontMetrics metrics(label->font());
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
            EXPECT_LE(metrics.height(), label->height());
        }
    });
}

TEST(AboutPicture, IsABaselineColourJpegTheToolkitCanRead) {
    // Without the JPEG plugin the window would silently show an empty frame.
    ASSERT_TRUE(QImageReader::supportedImageFormats().contains("jpeg"));
    QImageReader reader(QString::fromLatin1(kPicture));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(320, 240));
    EXPECT_FALSE(image.isGrayscale());

    QFile file(QString::fromLatin1(kPicture));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray jpeg = file.readAll();
    // JFIF 1.01 header with a density of 200 by 200 dots per inch.
    EXPECT_EQ(jpeg.mid(0, 4), QByteArray("\xFF\xD8\xFF\xE0", 4));
    EXPECT_EQ(jpeg.mid(6, 12), QByteArray("JFIF\x00\x01\x01\x01\x00\xC8\x00\xC8", 12));
    // Baseline frame: 8 bits, 240 x 320, three components, Y sampled 2 x 2.
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    EXPECT_EQ(jpeg.indexOf(QByteArray("\xFF\xC2", 2)), -1);
    EXPECT_EQ(jpeg.mid(sof + 4, 15),
              QByteArray("\x08\x00\xF0\x01\x40\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 15));
}

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 &&
           std::abs(qBlue(a) - qBlue(b)) <= 2;
}

TEST(AboutWindow, PictureAtNaturalSizeClippedInsideTheSunkenFrame) {
    const QImage jpeg(QString::fromLatin1(kPicture));
    ASSERT_EQ(jpeg.size(), QSize(320, 240));
    WithAboutOpen([&jpeg](QDialog* w) {
        auto* picture = w->findChild<QFrame*>(QStringLiteral("Picture1"));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->geometry(), QRect(0, 0, 321, 233));
        EXPECT_EQ(picture->frameShape(), QFrame::Panel);
        EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
        EXPECT_EQ(picture->lineWidth(), 2);
        EXPECT_EQ(picture->contentsRect(), QRect(2, 2, 317, 229));

        const QImage shot = picture->grab().toImage();
        ASSERT_EQ(shot.size(), QSize(321, 233));
        // Points of the picture that no letter covers: the corners of the
        // inner area, the gaps between labels, and the cut-off edges' last
        // visible row and column.
        const QPoint points[] = {{0, 0},    {316, 0},   {0, 228}, {316, 228}, {4, 20},   {30, 180},
                                 {60, 178}, {160, 140}, {300, 5}, {150, 227}, {316, 120}};
        for (const QPoint& p : points) {
            SCOPED_TRACE(std::to_string(p.x()) + "," + std::to_string(p.y()));
            EXPECT_TRUE(Near(shot.pixel(p + QPoint(2, 2)), jpeg.pixel(p)))
                << std::hex << shot.pixel(p + QPoint(2, 2)) << " vs " << jpeg.pixel(p);
        }
        // The picture's cut-off edges leave the border alone: the sunken
        // panel's right and bottom lines are all the light shade.
        const QRgb light = picture->palette().color(QPalette::Light).rgb();
        for (int y = 2; y < 231; ++y) {
            EXPECT_EQ(shot.pixel(319, y), light) << y;
            EXPECT_EQ(shot.pixel(320, y), light) << y;
        }
        for (int x = 2; x < 319; ++x) {
            EXPECT_EQ(shot.pixel(x, 231), light) << x;
            EXPECT_EQ(shot.pixel(x, 232), light) << x;
        }
    });
}

TEST(AboutWindow, BothTimersRunAndTimer2ChangesNothing) {
    WithAboutOpen([](QDialog* w) {
        QTimer* timer1 = Timer(w, "Timer1");
        QTimer* timer2 = Timer(w, "Timer2");
        ASSERT_NE(timer1, nullptr);
        ASSERT_NE(timer2, nullptr);
        EXPECT_TRUE(timer1->isActive());
        EXPECT_EQ(timer1->interval(), 7500);
        EXPECT_TRUE(timer1->isSingleShot() == false);
        EXPECT_TRUE(timer2->isActive());
        EXPECT_EQ(timer2->interval(), 100);
        const QImage before = w->grab().toImage();
        for (int i = 0; i < 3; ++i) {
            Fire(timer2);
        }
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(timer1->isActive());
        EXPECT_EQ(w->grab().toImage(), before);
    });
}

TEST(AboutWindow, ClicksOnThePictureAndLabelsDoNothing) {
    WithAboutOpen([](QDialog* w) {
        const QImage before = w->grab().toImage();
        for (const char* name : {"Picture1", "lblOpening", "lblBy", "lblCompany", "lblTitle",
                                 "lblVersion", "lblCopyright"}) {
            SCOPED_TRACE(name);
            auto* widget = w->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(widget, nullptr);
            QTest::mouseClick(widget, Qt::LeftButton);
            QTest::mouseDClick(widget, Qt::LeftButton);
            EXPECT_TRUE(w->isVisible());
        }
        EXPECT_EQ(w->grab().toImage(), before);
    });
}

// Timer1's tick and every way a user closes the window must all stop both
// timers and destroy the window, and only then let the menu handler return.
struct CloseCase {
    const char* name;
    void (*close)(QDialog*);
};

class AboutClosing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AboutClosing, StopsBothTimersDestroysTheWindowAndReturns) {
    QMainWindow main;
    main.show();
    QPointer<QDialog> opened;
    QPointer<QTimer> timer1;
    QPointer<QTimer> timer2;
    int finished = 0;
    bool timersStoppedFirst = false;
    bool returned = false;
    testing::OnNextModal([&](QWidget* modal) {
        opened = qobject_cast<QDialog*>(modal);
        ASSERT_NE(opened, nullptr);
        timer1 = Timer(opened, "Timer1");
        timer2 = Timer(opened, "Timer2");
        QObject::connect(opened, &QDialog::finished, opened, [&] {
            ++finished;
            timersStoppedFirst = !timer1->isActive() && !timer2->isActive();
        });
        EXPECT_EQ(QApplication::activeModalWidget(), opened);
        GetParam().close(opened);
        EXPECT_FALSE(returned);
    });
    mnuHelpItems_Click(3);
    returned = true;
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(timersStoppedFirst);
    EXPECT_EQ(opened, nullptr);
    EXPECT_EQ(timer1, nullptr);
    EXPECT_EQ(timer2, nullptr);
    EXPECT_EQ(AboutForm().window(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(main.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutClosing,
    ::testing::Values(CloseCase{"Timer1", [](QDialog* w) { Fire(Timer(w, "Timer1")); }},
                      CloseCase{"Escape", [](QDialog* w) { QTest::keyClick(w, Qt::Key_Escape); }},
                      // The title bar's close button and Alt+F4 both reach the
                      // window as the window manager's close request.
                      CloseCase{"WindowManagerClose", [](QDialog* w) { w->close(); }}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(AboutWindow, OpenedAgainIsBuiltAfreshFromTheDesign) {
    QPointer<QDialog> first;
    WithAboutOpen([&first](QDialog* w) {
        first = w;
        w->findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(QStringLiteral("changed"));
        w->setWindowTitle(QStringLiteral("changed"));
        w->move(w->pos() + QPoint(40, 30));
        Timer(w, "Timer2")->stop();
    });
    EXPECT_EQ(first, nullptr);
    WithAboutOpen([&first](QDialog* w) {
        EXPECT_EQ(first, nullptr);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("  Zembra"));
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                  QStringLiteral("Version: 1.0.1"));
        EXPECT_TRUE(Timer(w, "Timer1")->isActive());
        EXPECT_TRUE(Timer(w, "Timer2")->isActive());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_LE((w->geometry().center() - screen.center()).manhattanLength(), 1);
    });
}

}  // namespace
}  // namespace zembra
