#pragma once
// The system asking the program to end: SIGTERM when the session ends or the machine shuts down,
// SIGINT from the terminal it was started in, SIGHUP when that terminal goes away. Left to the
// default handlers the program would die on the spot and lose the player's settings; here the
// request is turned into an ordinary call on the event loop, and the program ends the way
// closing its main window ends it.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace norvex5 {

class EndRequests : public QObject {
    Q_OBJECT

public:
    // `end` runs on the event loop, once per request. One instance at a time.
    explicit EndRequests(std::function<void()> end, QObject* parent = nullptr);
    // Puts the default handlers back.
    ~EndRequests() override;

private:
    void takeRequest();

    std::function<void()> end_;
    QSocketNotifier* notifier_ = nullptr;
};

// Closes every modal dialog (a dialog answered by no one would keep its own event loop running)
// and then the main window, which saves the settings and ends the program.
void endLikeClosingTheMainWindow(QWidget& mainWindow);

}  // namespace norvex5
