// SPDX-License-Identifier: MIT
// Time from choosing "&About" on frmMain's Help menu to the About window's
// first paint event, one opening per repetition so that the median is over
// openings. Runs on whatever platform QT_QPA_PLATFORM names (offscreen when
// unset); under Xvfb it includes the X round trips of mapping the window.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"

namespace {

// Notes the first paint of the About window and then lets its Timer1 fire
// from the event loop, so the opening ends as it does after 7.5 seconds.
class FirstPaint final : public QObject {
public:
    QElapsedTimer clock;
    qint64 paintedAt = -1;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || paintedAt >= 0) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        QDialog* about = zembra::AboutForm().window();
        if (widget == nullptr || about == nullptr || widget->window() != about) {
            return false;
        }
        paintedAt = clock.nsecsElapsed();
        QTimer::singleShot(0, about, [about] {
            QMetaObject::invokeMethod(about->findChild<QTimer*>(QStringLiteral("Timer1")),
                                      "timeout");
        });
        return false;
    }
};

void BM_AboutToFirstPaint(benchmark::State& state) {
    zembra::frmMain window;
    window.show();
    auto* about = window.findChild<QAction*>(QStringLiteral("mnuHelpItems3"));
    if (about == nullptr) {
        state.SkipWithError("frmMain has no About item");
        return;
    }
    FirstPaint probe;
    qApp->installEventFilter(&probe);
    for (auto _ : state) {
        probe.paintedAt = -1;
        probe.clock.start();
        about->trigger();
        if (probe.paintedAt < 0) {
            state.SkipWithError("the About window closed without painting");
            break;
        }
        state.SetIterationTime(static_cast<double>(probe.paintedAt) / 1e9);
    }
    qApp->removeEventFilter(&probe);
}
BENCHMARK(BM_AboutToFirstPaint)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(50)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) {
                            return *std::min_element(v.begin(), v.end());
                        })
    ->ComputeStatistics("max",
                        [](const std::vector<double>& v) {
                            return *std::max_element(v.begin(), v.end());
                        })
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
