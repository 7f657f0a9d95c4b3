// SPDX-License-Identifier: MIT
// Reaching into a modal window from a test: the call that opens it blocks, so
// the test's checks run from a timer inside the window's own event loop.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace zembra::testing {

// Calls `act` with the modal window as soon as one is open. Gives up with a
// failure after a few seconds so that a window that never opens cannot hang
// the run.
inline void OnNextModal(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && clock->elapsed() < 5000) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (modal == nullptr) {
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        act(modal);
    });
    poll->start(0);
}

}  // namespace zembra::testing
