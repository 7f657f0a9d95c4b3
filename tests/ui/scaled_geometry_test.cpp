// SPDX-License-Identifier: MIT
// Both windows on the screens of testdata/screens.txt, at 96 DPI, scaled and
// at 144 DPI. Qt fixes the scale at start-up, so each screen is a fresh run
// of this program with "--dump", which prints every control's geometry and
// font height in device pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMap>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <map>

#include "tests/core/case_file.h"
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

QString Field(const zembra::tests::CaseRow& row, std::size_t index) {
    return QString::fromStdU16String(row.fields[index]);
}

// The dump, by control, on the screen that the row's logical DPI, scale
// factor and Qt's scaling (on or off) announce to Qt.
QMap<QString, QList<int>> RunOn(const zembra::tests::CaseRow& screen) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_FONT_DPI"), Field(screen, 0));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), Field(screen, 1));
    environment.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"),
                       Field(screen, 2) == "on" ? "1" : "0");
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

// Every control in its place and size to the pixel; its text's height give
// or take a pixel for the font's own hinting. No control is left unlisted.
TEST(Screens, ShowBothWindowsAsTheirFileHasThem) {
    std::map<QString, QMap<QString, QList<int>>> dumps;  // by screen
    for (const auto& row : zembra::tests::ReadCases(ZEMBRA_UI_CASES "/screens.txt", 9)) {
        const QString screen = Field(row, 0) + " " + Field(row, 1) + " " + Field(row, 2);
        if (!dumps.contains(screen)) dumps[screen] = RunOn(row);
        const QList<int> shown = dumps[screen].take(Field(row, 3));
        ASSERT_EQ(shown.size(), 5) << row.where;
        for (std::size_t i = 0; i < 5; ++i) {
            const int value = shown[static_cast<qsizetype>(i)];
            EXPECT_LE(std::abs(value - zembra::tests::ToNumber(row.fields[4 + i])), i < 4 ? 0 : 1)
                << row.where << " value " << i << ": " << value;
        }
    }
    for (const auto& [screen, unlisted] : dumps)
        EXPECT_TRUE(unlisted.isEmpty()) << qPrintable(screen + ": " + unlisted.keys().join(' '));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--dump") == 0) return DumpBothWindows(argc, argv);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
