#include "windows/program/endrequests.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>

namespace norvex5 {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// [0] written by the signal handler, [1] read on the event loop.
int requestSockets[2] = {-1, -1};

extern "C" void noteEndRequest(int) {
    const int saved = errno;
    const char byte = 1;
    // Only async-signal-safe calls here; a full socket already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(requestSockets[0], &byte, 1);
    errno = saved;
}

}  // namespace

EndRequests::EndRequests(std::function<void()> end, QObject* parent) : QObject(parent), end_(std::move(end)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, requestSockets) != 0) return;
    notifier_ = new QSocketNotifier(requestSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndRequests::takeRequest);
    struct sigaction action {};
    action.sa_handler = noteEndRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

EndRequests::~EndRequests() {
    for (const int signal : kSignals) std::signal(signal, SIG_DFL);
    for (int& socket : requestSockets) {
        if (socket >= 0) ::close(socket);
        socket = -1;
    }
}

void EndRequests::takeRequest() {
    char bytes[16];
    while (::read(requestSockets[1], bytes, sizeof bytes) > 0) {}
    if (end_) end_();
}

void endLikeClosingTheMainWindow(QWidget& mainWindow) {
    // Bounded: a dialog that refuses to close must not hold the program up for ever.
    for (int i = 0; i < 16; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) break;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal) break;
    }
    mainWindow.close();
}

}  // namespace norvex5
