// SPDX-License-Identifier: MIT
// Both windows on scaled and 144-DPI screens. Qt fixes the scale at start-up,
// so each screen is a fresh run of this program with "--dump", which prints
// every control's geometry and font height in device pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMap>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "tests/core/comma_locale.h"
#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"

namespace {

// The client area and its named controls, one a line: name, x, y, width,
// height and the font's height, all in device pixels.
void PrintControls(QWidget& client) {
    const qreal dpr = client.devicePixelRatioF();
    for (QWidget* control : client.findChildren<QWidget*>() + QList<QWidget*>{&client}) {
        if (control->objectName().isEmpty() && control != &client) continue;
        const QRect r(control->mapTo(&client, QPoint()), control->size());
        std::printf("%s.%s %d %d %d %d %d\n", qPrintable(client.window()->objectName()),
                    qPrintable(control->objectName()), qRound(r.x() * dpr), qRound(r.y() * dpr),
                    qRound(r.width() * dpr), qRound(r.height() * dpr),
                    qRound(QFontMetricsF(control->font(), control).height() * dpr));
    }
}

int DumpBothWindows(int argc, char** argv) {
    QApplication app(argc, argv);
    zembra::frmMain window;
    window.show();
    // Locale-dependent code shows itself in a comma-decimal locale.
    zembra::tests::PinCommaLocale();
    PrintControls(*window.centralWidget());
    QTimer::singleShot(0, &app, [] {
        PrintControls(*zembra::AboutForm().window());
        zembra::AboutForm().Timer1_Timer();
    });
    zembra::AboutForm().Show();
    return 0;
}

// A screen as the environment announces it to Qt.
struct Screen {
    const char* name;
    int logicalDpi;
    int scaleFactor;
    bool qtScaling;
};

QMap<QString, QList<int>> RunOn(const Screen& screen) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_FONT_DPI"), QString::number(screen.logicalDpi));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(screen.scaleFactor));
    environment.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), screen.qtScaling ? "1" : "0");
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--dump")});
    EXPECT_TRUE(child.waitForFinished(60000) && child.exitCode() == 0)
        << child.readAllStandardError().toStdString();
    QMap<QString, QList<int>> dump;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        for (qsizetype i = 1; i < fields.size(); ++i) dump[fields[0]] << fields[i].toInt();
    }
    return dump;
}

class ScaledScreen : public ::testing::TestWithParam<Screen> {};

// Every control keeps its place and size within a pixel; its text grows with
// it, give or take a pixel more for the font's own hinting.
TEST_P(ScaledScreen, BothWindowsScaleAsOne) {
    static const auto normal = RunOn({"96 DPI", 96, 1, true});
    const Screen& screen = GetParam();
    const auto scaled = RunOn(screen);
    ASSERT_EQ(normal.size(), 17) << "2 clients, 3 fields, 9 labels, 2 lines, 1 picture";
    const double scale = screen.logicalDpi / 96.0 * screen.scaleFactor;
    ASSERT_EQ(scaled.keys(), normal.keys());
    for (const auto& [key, values] : normal.asKeyValueRange()) {
        for (qsizetype i = 0; i < values.size(); ++i) {
            EXPECT_LE(std::abs(scaled[key][i] - qRound(values[i] * scale)), i < 4 ? 1 : 2)
                << qPrintable(key) << " value " << i << ": " << scaled[key][i];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScaledScreen,
    ::testing::Values(Screen{"ScaleFactor2", 96, 2, true},
                      // 144 DPI as a desktop announces it: Qt scales by 1.5.
                      Screen{"Dpi144", 144, 1, true},
                      // Qt's scaling off: the program's own conversions must scale.
                      Screen{"Dpi144Unscaled", 144, 1, false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--dump") == 0) return DumpBothWindows(argc, argv);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
