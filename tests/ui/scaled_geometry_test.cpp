// SPDX-License-Identifier: MIT
// Both windows on scaled and high-DPI screens. Qt fixes the scale when the
// application starts, so each screen is a fresh run of this program with
// "--dump", which prints the controls' geometry and the room their texts
// need, in device pixels; the tests compare a run on a 96-DPI screen with
// runs at QT_SCALE_FACTOR=2 and on 144-DPI screens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"

namespace {

// A control in device pixels: where it is in its window, and the widest and
// tallest text it shows against the room it has for text.
struct Control {
    QRect rect;
    QSizeF text;
    QSizeF room;
};
using Dump = QMap<QString, Control>;

// After the QApplication, which sets the locale from the environment: a
// comma-decimal locale makes any locale-dependent code show itself.
void PinLocale() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
}

// ---- The child run: one screen, both windows. ----

// One line: name, x, y, width, height, text width and height, room width and
// height; numbers written the same in every locale. `text` shows the texts
// inside `control`, leaving `inner` free.
void Print(const char* name, const QWidget& control, const QWidget& text, const QWidget& window,
           const QStringList& texts, const QMargins& inner = {}) {
    const qreal dpr = window.devicePixelRatioF();
    const QRect rect(control.mapTo(&window, QPoint(0, 0)), control.size());
    const QFontMetricsF metrics(text.font(), &text);
    qreal width = 0;
    for (const QString& t : texts) width = std::max(width, metrics.horizontalAdvance(t));
    const qreal height = texts.isEmpty() ? 0 : metrics.height();
    const QSizeF room = QSizeF(rect.marginsRemoved(inner).size()) * dpr;
    QStringList line{QString::fromLatin1(name)};
    for (const qreal value :
         {rect.x() * dpr, rect.y() * dpr, rect.width() * dpr, rect.height() * dpr}) {
        line << QString::number(std::lround(value));
    }
    for (const qreal value : {width * dpr, height * dpr, room.width(), room.height()}) {
        line << QString::number(value, 'f', 2);
    }
    std::puts(qPrintable(line.join(QLatin1Char(' '))));
}

void Print(const QWidget& control, const QWidget& window, const QStringList& texts) {
    Print(qPrintable(control.objectName()), control, control, window, texts);
}

// QLineEdit keeps 2 pixels left and right and 1 above and below inside its
// frame for the text.
QMargins TextMargins(const QLineEdit& field) {
    const int frame = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
    return {frame + 2, frame + 1, frame + 2, frame + 1};
}

int DumpBothWindows(int argc, char** argv) {
    QApplication app(argc, argv);
    PinLocale();
    zembra::frmMain window;
    window.show();
    const QWidget& client = *window.centralWidget();
    Print("client", client, client, client, {});
    // The fields' longest texts in use; the labels show both captions in turn.
    const std::pair<const char*, QStringList> fields[] = {
        {"txtDec", {"2047"}}, {"txtAFS", {"15-157"}}, {"txtHex", {"FFFFFFFF"}}};
    for (const auto& [name, texts] : fields) {
        const auto& field = *window.findChild<QLineEdit*>(QString::fromLatin1(name));
        Print(name, *field.parentWidget(), field, client, texts, TextMargins(field));
    }
    for (const char* name : {"lblDec", "lblAFS", "Label1"}) {
        const auto& label = *window.findChild<QLabel*>(QString::fromLatin1(name));
        const QStringList captions =
            label.text() == "HEX" ? QStringList{"HEX"} : QStringList{"DEC", "AFS"};
        Print(label, client, captions);
    }
    for (const char* name : {"Line1", "Line2"}) {
        Print(*window.findChild<QWidget*>(QString::fromLatin1(name)), client, {});
    }

    QTimer::singleShot(0, &app, [] {
        const QWidget& about = *zembra::AboutForm().window();
        Print(about, about, {});
        Print(*about.findChild<QWidget*>(QStringLiteral("Picture1")), about, {});
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            Print(*label, about, {label->text()});
        }
        zembra::AboutForm().Timer1_Timer();
    });
    zembra::AboutForm().Show();
    return 0;
}

// ---- The tests: each screen against the 96-DPI one. ----

struct Screen {
    const char* name;
    double scale;  // device pixels per pixel of the 96-DPI screen
    int logicalDpi;
    QStringList environment;
};

Dump RunOn(const Screen& screen) {
    QTemporaryDir dir;
    QString platform = QStringLiteral("offscreen");
    if (screen.logicalDpi != 96) {
        QFile config(dir.filePath(QStringLiteral("screen.json")));
        EXPECT_TRUE(config.open(QIODevice::WriteOnly));
        QTextStream(&config) << "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, "
                                "\"width\": 1600, \"height\": 1200, \"logicalDpi\": "
                             << screen.logicalDpi << ", \"logicalBaseDpi\": 96}]}";
        platform += QStringLiteral(":configfile=") + config.fileName();
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    for (const QString& setting : screen.environment) {
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    }

    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--dump")});
    EXPECT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0);
    Dump dump;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() != 9) continue;
        dump.insert(
            QString::fromLatin1(f[0]),
            {QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt()),
             QSizeF(f[5].toDouble(), f[6].toDouble()), QSizeF(f[7].toDouble(), f[8].toDouble())});
    }
    return dump;
}

std::string Describe(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

void ExpectTextFits(const QString& name, const Control& c) {
    EXPECT_LE(c.text.width(), c.room.width()) << name.toStdString() << " is too narrow";
    EXPECT_LE(c.text.height(), c.room.height()) << name.toStdString() << " is too low";
}

const Dump& Normal() {
    static const Dump dump = RunOn({"96 DPI", 1, 96, {}});
    return dump;
}

TEST(NormalScreen, EveryTextFitsItsControl) {
    // The main window's client, 3 fields, 3 labels and 2 lines; the About
    // window, its picture box and 6 labels.
    ASSERT_EQ(Normal().size(), 17);
    for (auto it = Normal().begin(); it != Normal().end(); ++it) ExpectTextFits(it.key(), *it);
}

class ScaledScreen : public ::testing::TestWithParam<Screen> {};

TEST_P(ScaledScreen, BothWindowsScaleAsOneAndEveryTextFits) {
    const Screen& screen = GetParam();
    const Dump scaled = RunOn(screen);
    ASSERT_EQ(scaled.keys(), Normal().keys());
    for (auto it = Normal().begin(); it != Normal().end(); ++it) {
        const QString& name = it.key();
        SCOPED_TRACE(name.toStdString());
        const Control& normal = *it;
        const Control& big = scaled[name];
        const auto scale = [&screen](int pixels) {
            return static_cast<int>(std::lround(pixels * screen.scale));
        };
        const QRect expected(scale(normal.rect.x()), scale(normal.rect.y()),
                             scale(normal.rect.width()), scale(normal.rect.height()));
        const QPoint offset = big.rect.topLeft() - expected.topLeft();
        const QSize growth = big.rect.size() - expected.size();
        EXPECT_TRUE(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1 &&
                    std::abs(growth.width()) <= 1 && std::abs(growth.height()) <= 1)
            << Describe(big.rect) << " where " << Describe(expected) << " was expected";
        // The text grows with its control, give or take the font's own hinting.
        if (normal.text.height() > 0) {
            EXPECT_NEAR(big.text.height() / normal.text.height(), screen.scale,
                        0.06 * screen.scale);
        }
        ExpectTextFits(name, big);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScaledScreen,
    ::testing::Values(Screen{"ScaleFactor2", 2, 96, {"QT_SCALE_FACTOR=2"}},
                      // 144 DPI as a desktop announces it: Qt scales by 1.5.
                      Screen{"Dpi144", 1.5, 144, {}},
                      // 144 DPI with Qt's scaling off: the program's own
                      // conversions must scale.
                      Screen{"Dpi144Unscaled", 1.5, 144, {"QT_ENABLE_HIGHDPI_SCALING=0"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--dump") == 0) return DumpBothWindows(argc, argv);
    QCoreApplication app(argc, argv);
    PinLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
