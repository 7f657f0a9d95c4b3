// SPDX-License-Identifier: MIT
// Keystroke latency of the main window, in-process: the time from a key
// typed into the input field until all three fields hold their new texts
// (the whole change chain runs inside the key event). Prints the median and
// the tail over --keys keystrokes (default 10,000) in each mode.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "ui/main/frm_main.h"

namespace {

using Clock = std::chrono::steady_clock;

double MicrosSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

// A digit while the text is shorter than maxLength, a backspace once it has
// that length: every key converts a new text.
std::vector<double> TimeKeys(QLineEdit* field, int keys, qsizetype maxLength,
                             std::mt19937& random) {
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(keys));
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < keys; ++i) {
        const bool erase = field->text().size() >= maxLength;
        const auto key =
            erase ? Qt::Key_Backspace : static_cast<Qt::Key>(Qt::Key_0 + digit(random));
        const Clock::time_point start = Clock::now();
        QTest::keyClick(field, key);
        micros.push_back(MicrosSince(start));
        QApplication::processEvents();  // paints, outside the measurement
    }
    return micros;
}

// A paste over the whole field of a text of the given length: time from the
// paste until the chain has run, median of a few.
double TimePaste(QLineEdit* field, qsizetype length) {
    const QString text(length, QLatin1Char('9'));
    std::vector<double> micros;
    for (int i = 0; i < 21; ++i) {
        field->selectAll();
        field->del();
        const Clock::time_point start = Clock::now();
        field->insert(text);
        micros.push_back(MicrosSince(start));
    }
    return Percentile(micros, 0.5);
}

void Report(const char* mode, const std::vector<double>& micros) {
    std::printf("%-15s keys %zu  median %.1f us  p90 %.1f us  p99 %.1f us  max %.1f us\n", mode,
                micros.size(), Percentile(micros, 0.5), Percentile(micros, 0.9),
                Percentile(micros, 0.99), *std::max_element(micros.begin(), micros.end()));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int keys = 10000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--keys") == 0) keys = std::max(1, std::atoi(argv[i + 1]));
    }

    zembra::frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    auto* txtDec = window.findChild<QLineEdit*>(QStringLiteral("txtDec"));
    auto* txtAFS = window.findChild<QLineEdit*>(QStringLiteral("txtAFS"));
    std::mt19937 random(1234);

    TimeKeys(txtDec, 200, 4, random);  // warm-up: fonts, glyph caches
    Report("Decimal to AFS", TimeKeys(txtDec, keys, 4, random));
    // Linear in the length: 32,767 characters (a field's most) take 33 to 70
    // times as long as 1,000, as warm the text layout's caches are; quadratic
    // time would be a thousand times. The first long series is a warm-up.
    const double short_ = TimePaste(txtDec, 1000);
    TimePaste(txtDec, 32767);
    const double long_ = TimePaste(txtDec, 32767);
    std::printf("paste 1000 chars %.1f us  32767 chars %.1f us  ratio %.1f\n", short_, long_,
                long_ / short_);

    // "09-10" and a last digit typed and erased: every other key decodes.
    window.findChild<QAction*>(QStringLiteral("mnuActionItems1"))->trigger();
    txtAFS->setFocus();
    txtAFS->selectAll();
    QTest::keyClicks(txtAFS, QStringLiteral("09-10"));
    TimeKeys(txtAFS, 200, 6, random);
    Report("AFS to Decimal", TimeKeys(txtAFS, keys, 6, random));
    return 0;
}
