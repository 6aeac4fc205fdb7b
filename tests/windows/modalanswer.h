#pragma once
// Answers a modal window the way a player would: once it is up, `act` checks, types and clicks.
// A window that never comes up, or that `act` leaves open, is closed at the deadline so that
// the test fails instead of waiting for ever.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace norvex5::testing {

inline void answerModal(const QString& windowName, std::function<void(QWidget&)> act, int deadlineMs = 5000) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, windowName, act = std::move(act), deadlineMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == windowName && modal->isVisible()) {
            timer->stop();
            act(*modal);
            if (modal->isVisible()) modal->close();
        } else if (clock->elapsed() > deadlineMs) {
            timer->stop();
            if (modal != nullptr) modal->close();
        } else {
            return;
        }
        timer->deleteLater();
        delete clock;
    });
    timer->start(10);
}

}  // namespace norvex5::testing
