// SPDX-License-Identifier: MIT
// Reaching into a modal window from a test: the call that opens it blocks, so
// the test's checks run from a timer inside the window's own event loop.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

inline void PrintTo(const QString& s, std::ostream* out) {
    *out << testing::PrintToString(s.toStdString());
}

namespace zembra::testing {

// A poll still waiting at a test's end fails it (see test_main.cpp).
inline const QString kModalPoll = QStringLiteral("OnNextModal");

// Calls `act` with the modal window as soon as one is open.
inline void OnNextModal(const std::function<void(QWidget*)>& act) {
    auto* poll = new QTimer(qApp);
    poll->setObjectName(kModalPoll);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->setObjectName(QString());
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(0);
}

// Dismisses a message box with OK, and the About window as its Timer1 does.
inline void Dismiss(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        box->button(QMessageBox::Ok)->click();
    } else {
        QMetaObject::invokeMethod(modal->findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
    }
}

}  // namespace zembra::testing
