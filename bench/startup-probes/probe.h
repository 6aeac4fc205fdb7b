#pragma once
// The probes end the same way: once the window they wait for is on screen (exposed and painted),
// they say "ready" on standard output and leave at once, so teardown is not timed. None of them
// ever waits on a modal window: a probe that meets one it did not ask for says so and leaves.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void reportAndLeave(const char* what, int status) {
    std::fputs(what, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    std::_Exit(status);
}

inline bool onScreen(const QWidget& window) {
    return window.isVisible() && window.windowHandle() != nullptr && window.windowHandle()->isExposed();
}

[[noreturn]] inline void reportReadyWhenShown(QApplication& application, QWidget& window) {
    while (!onScreen(window)) application.processEvents(QEventLoop::AllEvents, 5);
    application.processEvents();
    reportAndLeave("ready", 0);
}

// Looks every few milliseconds, also from inside a modal window's own event loop, for a modal
// window: the one named `awaited` once on screen is the probe's goal ("ready"); any other one is
// a failure, named on standard output.
inline void watchModalWindows(QApplication& application, const char* awaited) {
    auto* watch = new QTimer(&application);
    QObject::connect(watch, &QTimer::timeout, [&application, awaited] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        if (awaited != nullptr && modal->objectName() == QLatin1String(awaited)) {
            if (!onScreen(*modal)) return;
            application.processEvents();
            reportAndLeave("ready", 0);
        }
        const QByteArray name = "modal window " + modal->objectName().toUtf8() + " opened";
        reportAndLeave(name.constData(), 3);
    });
    watch->start(2);
}
