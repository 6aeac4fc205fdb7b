#pragma once
// Shared by the screenshot tools: a window shown alone on the X display and taken whole with
// ImageMagick's import (run the tools under xvfb-run).

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace norvex5::tools {

// Lets the window paint itself.
inline void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

inline bool shoot(QWidget& window, const QString& file) {
    window.move(20, 20);
    window.show();
    settle(400);
    const bool ok = QProcess::execute(QStringLiteral("import"),
                                      {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                                       QStringLiteral("%1x%2+0+0")
                                           .arg(window.frameGeometry().right() + 40)
                                           .arg(window.frameGeometry().bottom() + 40),
                                       file}) == 0;
    window.hide();
    std::printf("%s\n", qPrintable(file));
    return ok;
}

// Takes the whole screen while the modal box that `open` brings up is shown, then closes it.
inline bool shootModal(const std::function<void()>& open, const QString& file) {
    bool ok = false;
    QTimer::singleShot(600, [&] {
        ok = QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file}) == 0;
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
        std::printf("%s\n", qPrintable(file));
    });
    open();
    return ok;
}

}  // namespace norvex5::tools
