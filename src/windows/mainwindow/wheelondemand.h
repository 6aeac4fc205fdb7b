#pragma once
// A wheel made on demand from the main window: when the library has no wheel for the numbers
// ticked (and key numbers) with the guarantee the player wants, the button beside Quit offers to
// make one, plain or under the filter the player set for the game type. The generator runs on a
// worker thread while the window stays usable; its progress and a Stop show above the button.
// The wheel found is checked and added to the user's library (library/libraryaddition.h) and
// chosen in the wheel list; a run stopped, or the window closed, adds nothing.
//
// The worker reports through queued calls to this object, so the controls are touched on the
// window's thread only; stopping waits for the worker.

#include <QObject>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <thread>

#include "library/wheellibrary.h"
#include "localisation/programtexts.h"
#include "workshop/wheelgenerator.h"

class QComboBox;

namespace norvex5 {

class Texts;
struct CurrentGame;
struct MainWindowControls;
class LibraryWheelList;
class Platform;

class WheelOnDemand : public QObject {
    Q_OBJECT

public:
    WheelOnDemand(const Texts& texts, const CurrentGame& game, Platform& platform, const MainWindowControls& controls,
                  LibraryWheelList& library, QObject* parent = nullptr);
    ~WheelOnDemand() override;

    // A fixed seed and a shorter time make runs that tests can wait for.
    void setSeed(std::uint64_t seed) { fixedSeed_ = seed; }
    void setSecondsAllowed(double seconds) { secondsAllowed_ = seconds; }

    bool running() const { return worker_.joinable(); }

    // The guarantees offered for the numbers ticked now, each enabled when the list has no wheel
    // for it; call after the list is filled.
    void offerChoices();
    // The handlers, as the player reaches them.
    void make(workshop::Guarantee guarantee, bool underFilter);
    void stop();
    // Stops a run and waits for it: the window is closing.
    void shutdown();
    void applyTexts();

private:
    // What the run makes: the boards beside the key numbers, over the other numbers.
    struct Order {
        library::LibraryClaim claim;
        std::optional<library::FilterClaim> filter;
    };
    bool canMake(workshop::Guarantee guarantee, bool underFilter) const;
    std::optional<Order> orderFor(workshop::Guarantee guarantee, bool underFilter) const;
    void showProgress(const workshop::GeneratorProgress& progress);
    void finish(const workshop::GeneratorResult& result);
    void showRunning(bool running);
    QString text(ProgramText which) const;

    const Texts& texts_;
    const CurrentGame& game_;
    Platform& platform_;
    const MainWindowControls& controls_;
    LibraryWheelList& library_;
    std::optional<std::uint64_t> fixedSeed_;
    double secondsAllowed_ = 60;

    std::thread worker_;
    std::atomic<bool> stopFlag_{false};
    std::optional<Order> making_;
};

}  // namespace norvex5
