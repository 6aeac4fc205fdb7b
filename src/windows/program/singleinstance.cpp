#include "windows/program/singleinstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <cstring>
#include <optional>

namespace norvex5 {

namespace {

constexpr int kConnectAttempts = 30;
constexpr int kConnectWaitMs = 100;
constexpr int kAnswerWaitMs = 2000;

// The address of the socket file `name`; none when the path is too long for one.
std::optional<sockaddr_un> socketAddress(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    sockaddr_un address{};
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return address;
}

int localSocket(int flags) { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0); }

}  // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder), lock_(QDir(folder).filePath(QStringLiteral("norvex5.lock"))) {
    // The lock is held for the whole run: only a dead holder makes it stale, never its age.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (listener_ < 0) return;
    // The socket goes before the lock, so that a start that finds the lock free finds no socket
    // of ours either.
    delete requests_;
    ::close(listener_);
    ::unlink(QFile::encodeName(socketName()).constData());
}

QString SingleInstance::defaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation); }

QString SingleInstance::lockFile() const { return lock_.fileName(); }

QString SingleInstance::socketName() const { return QDir(folder_).filePath(QStringLiteral("norvex5.socket")); }

bool SingleInstance::claim() {
    QDir().mkpath(folder_);
    // tryLock removes a lock whose process is gone and takes it.
    if (lock_.tryLock()) {
        listen();
        return true;
    }
    if (lock_.error() != QLockFile::LockFailedError) return true;
    askTheRunningProgram();
    return false;
}

void SingleInstance::listen() {
    const std::optional<sockaddr_un> address = socketAddress(socketName());
    if (!address) return;
    // A socket file left by a program that died would refuse the bind.
    ::unlink(address->sun_path);
    const int listener = localSocket(SOCK_NONBLOCK);
    if (listener < 0) return;
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        ::listen(listener, 8) != 0) {
        ::close(listener);
        return;
    }
    // Only this user may ask; the runtime folder is private too, but need not be.
    ::chmod(address->sun_path, S_IRUSR | S_IWUSR);
    listener_ = listener;
    requests_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(requests_, &QSocketNotifier::activated, this, &SingleInstance::takeRequests);
}

void SingleInstance::askTheRunningProgram() const {
    const std::optional<sockaddr_un> address = socketAddress(socketName());
    if (!address) return;
    // The running program may have taken the lock an instant ago and not be listening yet.
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        const int socket = localSocket(0);
        if (socket < 0) return;
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0) {
            // It hangs up once it has taken the request: this program ends only after that.
            pollfd hangUp{socket, POLLIN, 0};
            if (::poll(&hangUp, 1, kAnswerWaitMs) > 0) {
                char ignored = 0;
                (void)::read(socket, &ignored, 1);
            }
            ::close(socket);
            return;
        }
        ::close(socket);
        QThread::msleep(kConnectWaitMs);
    }
}

void SingleInstance::takeRequests() {
    for (int request; (request = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        // Hanging up is the answer: the asking program ends once it sees it.
        ::close(request);
        if (window_) bringForward(*window_);
        emit forwardRequested();
    }
}

void SingleInstance::bringForwardOnRequest(QWidget& window) { window_ = &window; }

void bringForward(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != &window) {
        modal->raise();
        modal->activateWindow();
    }
}

}  // namespace norvex5
