// One program at a time: a second start of the real program brings the running one forward and
// ends; a lock left by a program that was killed is taken over. Every lock and socket lies in a
// scratch runtime folder, so a program the user is running is never met.

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "windows/program/singleinstance.h"

using namespace norvex5;

namespace {

// The real program, started as a user would start it, over scratch folders of its own.
class ProgramStart {
public:
    explicit ProgramStart(const QString& runtimeFolder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QStringLiteral(NORVEX5_PROGRAM), {});
    }
    ~ProgramStart() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    // True when it ended by itself within `ms`, with status 0.
    bool endsOnItsOwn(int ms) {
        // It may have ended while the test was waiting for events.
        if (process.state() != QProcess::NotRunning && !process.waitForFinished(ms)) return false;
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QTemporaryDir home;
    QProcess process;
};

// A private runtime folder, as the desktop gives each user.
QString privateFolder(const QTemporaryDir& scratch) {
    QFile::setPermissions(scratch.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return scratch.path();
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondStartBringsTheRunningProgramForwardAndEnds() {
        QTemporaryDir runtime;
        SingleInstance running(privateFolder(runtime));
        QVERIFY(running.claim());
        QWidget window;
        window.showMinimized();
        running.bringForwardOnRequest(window);
        QSignalSpy asked(&running, &SingleInstance::forwardRequested);

        ProgramStart second(runtime.path());
        // It waits until the running program has taken its request: that one must hear it.
        QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 1, 20000);
        QVERIFY(second.endsOnItsOwn(20000));
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        QVERIFY(window.isVisible());
        // The lock stays with the running program.
        QVERIFY(QFileInfo::exists(running.lockFile()));
        SingleInstance third(runtime.path());
        QVERIFY(!third.claim());
        QTRY_COMPARE(asked.size(), 2);
    }

    void lockOfAProgramThatDiedIsTakenOver() {
        QTemporaryDir runtime;
        SingleInstance probe(privateFolder(runtime));
        {
            ProgramStart dying(runtime.path());
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(probe.socketName()), 20000);
            QVERIFY(QFileInfo::exists(probe.lockFile()));
            // Killed: it leaves its lock and its socket behind.
            dying.process.kill();
            QVERIFY(dying.process.waitForFinished(10000));
        }
        QVERIFY(QFileInfo::exists(probe.lockFile()));
        QVERIFY(QFileInfo::exists(probe.socketName()));

        SingleInstance next(runtime.path());
        QVERIFY(next.claim());
        // And it hears later starts on the socket the dead one left.
        QSignalSpy asked(&next, &SingleInstance::forwardRequested);
        ProgramStart later(runtime.path());
        QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 1, 20000);
        QVERIFY(later.endsOnItsOwn(20000));
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "singleinstance_test.moc"
