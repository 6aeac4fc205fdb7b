#include "windows/program/singleinstance.h"

#include <QApplication>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace norvex5 {

namespace {

constexpr int kConnectAttempts = 30;
constexpr int kConnectWaitMs = 100;
constexpr int kAnswerWaitMs = 2000;

}  // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder), lock_(QDir(folder).filePath(QStringLiteral("norvex5.lock"))) {
    // The lock is held for the whole run: only a dead holder makes it stale, never its age.
    lock_.setStaleLockTime(0);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::takeRequests);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation); }

QString SingleInstance::lockFile() const { return lock_.fileName(); }

QString SingleInstance::socketName() const { return QDir(folder_).filePath(QStringLiteral("norvex5.socket")); }

bool SingleInstance::claim() {
    QDir().mkpath(folder_);
    // tryLock removes a lock whose process is gone and takes it.
    if (lock_.tryLock()) {
        QLocalServer::removeServer(socketName());
        server_.listen(socketName());
        return true;
    }
    if (lock_.error() != QLockFile::LockFailedError) return true;
    askTheRunningProgram();
    return false;
}

void SingleInstance::askTheRunningProgram() const {
    // The running program may have taken the lock an instant ago and not be listening yet.
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(socketName());
        if (socket.waitForConnected(kConnectWaitMs)) {
            // It hangs up once it has taken the request: this program ends only after that.
            socket.waitForDisconnected(kAnswerWaitMs);
            return;
        }
        QThread::msleep(kConnectWaitMs);
    }
}

void SingleInstance::takeRequests() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromServer();
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
