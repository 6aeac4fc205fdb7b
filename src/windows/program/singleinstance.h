#pragma once
// One program at a time for a user. Two programs would share the parameters file, and the last
// to close would overwrite what the other saved. The first start holds a lock file and listens on
// a local socket beside it; a later start finds the lock held, asks the running program through
// the socket to bring its window forward, and ends. A lock left by a program that died (its
// process is gone) is taken over, with the socket it left.
//
// The folder of both is given, so that tests run beside a real program, and beside each other,
// without meeting it; the program uses the user's runtime folder.
//
// The socket is a plain local socket watched by the event loop: the network module that offers
// one would be loaded at every start, and loading it cost more than building half the window.

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>

class QSocketNotifier;
class QWidget;

namespace norvex5 {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The user's runtime folder ($XDG_RUNTIME_DIR on Linux).
    static QString defaultFolder();

    // True when this program may go on: it holds the lock (or no lock could be made at all, and
    // refusing to start would help no one). False when another program holds it; that one has
    // been asked to come forward, and this one should end.
    bool claim();
    // Once claimed: a later start brings `window` forward.
    void bringForwardOnRequest(QWidget& window);

    QString lockFile() const;
    QString socketName() const;

signals:
    // A later start asked for the window.
    void forwardRequested();

private:
    void listen();
    void takeRequests();
    void askTheRunningProgram() const;

    QString folder_;
    QLockFile lock_;
    int listener_ = -1;
    QSocketNotifier* requests_ = nullptr;
    QPointer<QWidget> window_;
};

// Shows `window` unminimised above the others and gives it the focus, and a modal window open
// over it above it, as that is what the player answers first.
void bringForward(QWidget& window);

}  // namespace norvex5
