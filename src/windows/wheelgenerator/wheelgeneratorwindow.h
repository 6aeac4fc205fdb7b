#pragma once
// WheelGeneratorWindow (objectName FormGenerateur): a wheel made for the player's own numbers.
// The count of numbers comes from the ticked numbers or is typed, the guarantee is chosen, and
// Generate runs the generator until the time allowed ends or Stop is pressed; the best complete
// wheel found is kept, shown as its size, and can then be checked, saved as a wheel file or sent
// to the external wheels tab.
//
// How the pieces connect:
//  - The generator runs on a worker thread (std::thread) with the stop flag; its progress and its
//    result come back to this window's thread as queued calls, so every control is touched on the
//    window's thread only. Closing or destroying the window stops the run and waits for it.
//  - The numbers played are the ticked ones when their count is the count generated for, else
//    1..v: position k of the wheel is played as played()[k].
//  - The wheel shown always answers the numbers box and the guarantee: changing either drops it.
//  - Under the filter of the FilterPanel (kept per game type in the filter settings file, the one
//    the check window keeps it in), the wheel covers only what the draws that pass need, for the
//    numbers as played; a filter no draw passes makes nothing.
//  - Without a filter, a run goes on from the smallest wheel of the library for the same numbers
//    and guarantee, which the program gives through a hook (the main window's library list).
//  - Check and Send reach the other windows through hooks the program fills: the check window's
//    openFor(), and the external tab given the saved file (";"-separated, numbers 1..v) with the
//    numbers to set in its replacement boxes 1..v. A wheel not saved yet is saved first.

#include <QDialog>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "localisation/programtexts.h"
#include "windows/wheelgenerator/wheelgeneratorcontrols.h"
#include "workshop/wheelgenerator.h"

namespace norvex5 {

class Texts;
struct Settings;
struct CurrentGame;
class Platform;

class WheelGeneratorWindow : public QDialog {
    Q_OBJECT

public:
    using CheckHook = std::function<void(const workshop::Wheel& wheel, const std::vector<std::int32_t>& played)>;
    using SendHook = std::function<void(const QString& wheelFile, const std::vector<std::int32_t>& played)>;

    WheelGeneratorWindow(const Texts& texts, const Settings& settings, const CurrentGame& game, Platform& platform,
                         QWidget* parent = nullptr);
    ~WheelGeneratorWindow() override;

    // The smallest wheel the program already has over `numbers` numbers keeping `guarantee` (the
    // library's), for a run to go on from: the player never gets a larger wheel than one the
    // program ships.
    using KnownWheelHook = std::function<std::optional<workshop::Wheel>(int numbers, workshop::Guarantee guarantee)>;

    void setCheckHook(CheckHook hook) { checkHook_ = std::move(hook); }
    void setKnownWheelHook(KnownWheelHook hook) { knownWheel_ = std::move(hook); }
    void setSendHook(SendHook hook) { sendHook_ = std::move(hook); }
    // A fixed seed makes the runs repeat themselves (tests, a player comparing settings); without
    // one every run starts from a new seed.
    void setSeed(std::uint64_t seed) { fixedSeed_ = seed; }
    // Where the filter is kept for each game type; none: it is not kept.
    void setFilterSettingsFile(std::filesystem::path file) { filterFile_ = std::move(file); }

    // Takes the ticked numbers' count when there are enough, and shows the window.
    void openWindow();

    bool generating() const { return worker_.joinable() && !finished_; }
    const std::optional<workshop::Wheel>& wheel() const { return wheel_; }
    const std::vector<std::int32_t>& played() const { return played_; }
    const workshop::GeneratorProgress& lastProgress() const { return progress_; }
    const QString& savedFile() const { return savedFile_; }

    // The handlers, as the player reaches them.
    void takeTickedNumbers();
    void generateWheel();
    void stopGenerating();
    void checkWheel();
    bool saveWheel();
    void sendToExternalTab();
    void applyTexts();
    void filterChanged();
    // A report of the running search, as the worker's reports arrive; none once it has ended.
    void showProgress(const workshop::GeneratorProgress& progress);

protected:
    void done(int result) override;

private:
    void connectHandlers();
    void fillGuarantees();
    workshop::Guarantee chosenGuarantee() const;
    std::vector<std::int32_t> tickedNumbers() const;
    void dropResult();
    void finishGeneration(const workshop::GeneratorResult& result);
    void enableControls();
    void joinWorker();
    QString text(ProgramText which) const;

    const Texts& texts_;
    const Settings& settings_;
    const CurrentGame& game_;
    Platform& platform_;

    WheelGeneratorControls controls_;

    CheckHook checkHook_;
    SendHook sendHook_;
    KnownWheelHook knownWheel_;
    std::optional<std::uint64_t> fixedSeed_;

    std::thread worker_;
    std::atomic<bool> stopFlag_{false};
    bool finished_ = true;
    workshop::GeneratorProgress progress_;
    std::optional<workshop::Wheel> wheel_;
    std::vector<std::int32_t> played_;
    workshop::Guarantee wheelGuarantee_;
    QString savedFile_;
    std::filesystem::path filterFile_;
};

}  // namespace norvex5
