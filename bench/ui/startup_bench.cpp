// SPDX-License-Identifier: MIT
// Start-up cost of frmMain against a floor: a bare window with the same
// eight controls and menu bar and nothing else. Each run is a fresh process
// that measures, in-process, the time from constructing the QApplication
// to the end of the window's first paint, and its peak RSS then. Without
// arguments it runs both programs alternately (--runs N each, default 30)
// and prints the medians and their ratios; "--once main|floor" is one run.
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/main/frm_main.h"

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<QMainWindow> FloorWindow() {
    auto window = std::make_unique<QMainWindow>();
    auto* client = new QWidget;
    window->setCentralWidget(client);
    QMenu* action = window->menuBar()->addMenu(QStringLiteral("&Action"));
    action->addAction(QStringLiteral("&Decimal to AFS"))->setCheckable(true);
    action->addAction(QStringLiteral("&AFS to Decimal"))->setCheckable(true);
    QMenu* help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&License Info"));
    help->addAction(QStringLiteral("&About"));
    const char* texts[] = {"0", "00-000", "0"};
    const char* captions[] = {"DEC", "AFS", "HEX"};
    const int tops[] = {12, 48, 104};
    for (int i = 0; i < 3; ++i) {
        (new QLineEdit(QString::fromLatin1(texts[i]), client))->setGeometry(68, tops[i], 109, 28);
        (new QLabel(QString::fromLatin1(captions[i]), client))
            ->setGeometry(16, tops[i] + 8, 49, 25);
    }
    (new QWidget(client))->setGeometry(0, 0, 201, 1);
    (new QWidget(client))->setGeometry(12, 92, 180, 2);
    window->resize(203, 143 + window->menuBar()->sizeHint().height());
    return window;
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(Clock::time_point start) : m_start(start) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Runs once the paint pass that this event begins has ended.
            QTimer::singleShot(0, this, [this] {
                const auto nanos =
                    std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - m_start)
                        .count();
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", static_cast<long long>(nanos), usage.ru_maxrss);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Clock::time_point m_start;
    bool m_seen = false;
};

int RunOnce(int argc, char* argv[], bool floor) {
    const Clock::time_point start = Clock::now();
    QApplication app(argc, argv);
    FirstPaint firstPaint(start);
    std::unique_ptr<QMainWindow> window;
    if (floor) {
        window = FloorWindow();
    } else {
        window = std::make_unique<zembra::frmMain>();
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int Compare(int runs) {
    // popen runs a shell, so the path must be this program's own.
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<double> times[2];
    std::vector<double> rss[2];
    for (int i = 0; i < 2 * runs; ++i) {
        const int which = i % 2;  // 0 frmMain, 1 floor, alternating
        const std::string command = self + " --once " + (which == 0 ? "main" : "floor");
        FILE* child = popen(command.c_str(), "r");
        if (child == nullptr) return 1;
        long long nanos = 0;
        long kilobytes = 0;
        const int read = std::fscanf(child, "%lld %ld", &nanos, &kilobytes);
        if (pclose(child) != 0 || read != 2) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        times[which].push_back(static_cast<double>(nanos) / 1e6);
        rss[which].push_back(static_cast<double>(kilobytes) / 1024);
    }
    const double time[2] = {Median(times[0]), Median(times[1])};
    const double memory[2] = {Median(rss[0]), Median(rss[1])};
    std::printf("runs %d each\n", runs);
    std::printf("frmMain  first paint %.1f ms  peak RSS %.1f MiB\n", time[0], memory[0]);
    std::printf("floor    first paint %.1f ms  peak RSS %.1f MiB\n", time[1], memory[1]);
    std::printf("ratio    time %.3f  RSS %.3f\n", time[0] / time[1], memory[0] / memory[1]);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    int runs = 30;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--once") == 0) {
            return RunOnce(argc, argv, std::strcmp(argv[i + 1], "floor") == 0);
        }
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
    }
    return Compare(runs);
}
