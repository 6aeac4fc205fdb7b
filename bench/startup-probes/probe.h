#pragma once
// Both probes end the same way: once the window is on screen (exposed and painted), they say
// "ready" on standard output and leave at once, so teardown is not timed.

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

inline int reportReadyWhenShown(QApplication& application, QWidget& window) {
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
        application.processEvents(QEventLoop::AllEvents, 5);
    application.processEvents();
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    std::_Exit(0);
}
