#include "windows/wheelgenerator/wheelgeneratorwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <filesystem>
#include <algorithm>
#include <random>

#include "core/appstate.h"
#include "persistence/atomicfile.h"
#include "windows/common/platform.h"
#include "windows/common/qttranslations.h"
#include "windows/wheelcheck/filterpanel.h"
#include "workshop/filteredcheck.h"
#include "workshop/wheel.h"

namespace norvex5 {

using workshop::Guarantee;

namespace {

QString seconds(const QLocale& locale, double s) { return locale.toString(s, 'f', 1); }

}  // namespace

WheelGeneratorWindow::WheelGeneratorWindow(const Texts& texts, const Settings& settings, const CurrentGame& game,
                                           Platform& platform, QWidget* parent)
    : QDialog(parent), texts_(texts), settings_(settings), game_(game), platform_(platform) {
    controls_.build(*this);
    connectHandlers();
    applyTexts();
    enableControls();
}

WheelGeneratorWindow::~WheelGeneratorWindow() {
    stopFlag_ = true;
    joinWorker();
}

void WheelGeneratorWindow::connectHandlers() {
    connect(controls_.ticked, &QPushButton::clicked, this, &WheelGeneratorWindow::takeTickedNumbers);
    connect(controls_.generate, &QPushButton::clicked, this, &WheelGeneratorWindow::generateWheel);
    connect(controls_.stop, &QPushButton::clicked, this, &WheelGeneratorWindow::stopGenerating);
    connect(controls_.check, &QPushButton::clicked, this, &WheelGeneratorWindow::checkWheel);
    connect(controls_.save, &QPushButton::clicked, this, &WheelGeneratorWindow::saveWheel);
    connect(controls_.send, &QPushButton::clicked, this, &WheelGeneratorWindow::sendToExternalTab);
    connect(controls_.numbers, &QSpinBox::valueChanged, this, &WheelGeneratorWindow::dropResult);
    connect(controls_.guarantee, &QComboBox::currentIndexChanged, this, &WheelGeneratorWindow::dropResult);
    connect(controls_.filterPanel, &FilterPanel::changed, this, &WheelGeneratorWindow::filterChanged);
}

QString WheelGeneratorWindow::text(ProgramText which) const {
    return QString::fromStdString(texts_.programText(which));
}

void WheelGeneratorWindow::fillGuarantees() {
    // The same choice in other words: no change the result must follow.
    const QSignalBlocker sameChoice(controls_.guarantee);
    const int chosen = controls_.guarantee->currentIndex();
    controls_.guarantee->clear();
    for (int m = workshop::kMinGeneratedT; m <= workshop::kBoardSize; ++m)
        for (int t = workshop::kMinGeneratedT; t <= m; ++t)
            controls_.guarantee->addItem(text(ProgramText::GuaranteeChoice).arg(t).arg(m), t * 10 + m);
    // "3 if 3" at first: the guarantee most players ask of a wheel.
    controls_.guarantee->setCurrentIndex(chosen >= 0 ? chosen : controls_.guarantee->findData(33));
}

Guarantee WheelGeneratorWindow::chosenGuarantee() const {
    const int code = controls_.guarantee->currentData().toInt();
    return {code / 10, code % 10};
}

void WheelGeneratorWindow::applyTexts() {
    setWindowTitle(text(ProgramText::WheelGeneratorTitle));
    controls_.numbersLabel->setText(text(ProgramText::NumbersToWheel));
    controls_.ticked->setText(text(ProgramText::UseTickedNumbers));
    controls_.guaranteeLabel->setText(text(ProgramText::GuaranteeLabel));
    controls_.secondsLabel->setText(text(ProgramText::SecondsAllowed));
    controls_.generate->setText(text(ProgramText::Generate));
    controls_.stop->setText(text(ProgramText::Stop));
    controls_.check->setText(text(ProgramText::CheckWheel));
    controls_.save->setText(text(ProgramText::SaveWheel));
    controls_.send->setText(text(ProgramText::SendToExternalTab));
    controls_.close->setText(text(ProgramText::Close));
    controls_.filterPanel->setHighest(
        std::clamp(settings_.parameters.highestNumber, workshop::kBoardSize, workshop::kMaxNumbers));
    controls_.filterPanel->applyTexts(texts_.language());
    fillGuarantees();
    if (wheel_ && !generating())
        controls_.progress->setText(text(ProgramText::GeneratorDone)
                                        .arg(wheel_->boards.size())
                                        .arg(wheel_->numbers)
                                        .arg(seconds(languageLocale(texts_.language()), progress_.seconds)));
}

std::vector<std::int32_t> WheelGeneratorWindow::tickedNumbers() const {
    std::vector<std::int32_t> numbers;
    for (int n = 1; n <= kGridACount; ++n)
        if (game_.selection[n] != kFree) numbers.push_back(n);
    return numbers;
}

void WheelGeneratorWindow::openWindow() {
    // The language may have changed since the window was built or last shown.
    applyTexts();
    if (!generating()) controls_.filterPanel->restoreFrom(filterFile_, settings_.parameters.gameType);
    // A wheel still shown keeps its count in the box, so that the two agree; the ticked numbers
    // are one press away.
    const auto ticked = tickedNumbers();
    if (!generating() && !wheel_ && ticked.size() >= std::size_t(workshop::kMinNumbers))
        controls_.numbers->setValue(int(ticked.size()));
    show();
    raise();
    activateWindow();
}

void WheelGeneratorWindow::takeTickedNumbers() {
    const auto ticked = tickedNumbers();
    if (ticked.size() < std::size_t(workshop::kMinNumbers)) {
        platform_.message(text(ProgramText::NumbersOutOfRange), windowTitle(), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return;
    }
    controls_.numbers->setValue(int(ticked.size()));
}

void WheelGeneratorWindow::generateWheel() {
    if (generating()) return;
    joinWorker();  // the last run has ended; its thread is still to be joined
    workshop::GeneratorSettings settings;
    settings.numbers = controls_.numbers->value();
    settings.guarantee = chosenGuarantee();
    if (workshop::generatorLimitsProblem(settings.numbers, settings.guarantee)) {
        platform_.message(text(ProgramText::NumbersOutOfRange), windowTitle(), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return;
    }
    settings.seconds = controls_.seconds->value();
    settings.seed = fixedSeed_ ? *fixedSeed_ : std::random_device{}();

    const auto ticked = tickedNumbers();
    std::vector<std::int32_t> played;
    if (ticked.size() == std::size_t(settings.numbers))
        played = ticked;
    else
        for (int n = 1; n <= settings.numbers; ++n) played.push_back(n);
    if (const auto filter = controls_.filterPanel->filter()) {
        if (controls_.filterPanel->passing() == 0) {
            platform_.message(text(ProgramText::FilterNoDraw), windowTitle(), Platform::Buttons::Ok,
                              Platform::Icon::Warning);
            return;
        }
        workshop::PlayedNumbers asPlayed{controls_.filterPanel->highest(), {played.begin(), played.end()}};
        if (workshop::playedNumbersProblem(asPlayed, settings.numbers)) {
            platform_.message(text(ProgramText::NumbersOutOfRange), windowTitle(), Platform::Buttons::Ok,
                              Platform::Icon::Warning);
            return;
        }
        settings.needed = workshop::PassingDraws(*filter, asPlayed).heldFlags(settings.guarantee.m);
        if (std::find(settings.needed.begin(), settings.needed.end(), 1) == settings.needed.end()) {
            platform_.message(text(ProgramText::GeneratorNothingToCover).arg(settings.guarantee.m), windowTitle(),
                              Platform::Buttons::Ok, Platform::Icon::Warning);
            return;
        }
    } else {
        // No wheel is smaller than the bound: reaching it, there is nothing left to look for.
        settings.targetBoards = workshop::lowerBound(settings.numbers, settings.guarantee);
        // A wheel the library has is where the run starts: ten seconds of search from nothing
        // often end above a wheel made in minutes ("4 if 4" over 17 numbers: 525 boards against
        // the library's 515).
        if (knownWheel_)
            if (const auto known = knownWheel_(settings.numbers, settings.guarantee))
                settings.start = workshop::boardMasks(*known);
    }
    played_ = played;
    wheel_.reset();
    savedFile_.clear();
    wheelGuarantee_ = settings.guarantee;
    progress_ = {};
    controls_.progress->clear();
    stopFlag_ = false;
    finished_ = false;
    worker_ = std::thread([this, settings] {
        auto report = [this](const workshop::GeneratorProgress& p) {
            QMetaObject::invokeMethod(
                this, [this, p] { showProgress(p); }, Qt::QueuedConnection);
        };
        workshop::GeneratorResult result = workshop::generateWheel(settings, &stopFlag_, report);
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { finishGeneration(result); }, Qt::QueuedConnection);
    });
    enableControls();
}

void WheelGeneratorWindow::stopGenerating() { stopFlag_ = true; }

// A wheel for other numbers or another guarantee answers nothing the boxes now ask: it goes, with
// the result line, until a new one is made.
void WheelGeneratorWindow::dropResult() {
    if (generating()) return;
    wheel_.reset();
    played_.clear();
    savedFile_.clear();
    controls_.progress->clear();
    enableControls();
}

// Kept for the game type; a wheel made under another filter answers nothing the panel now asks.
void WheelGeneratorWindow::filterChanged() {
    controls_.filterPanel->keepIn(filterFile_, settings_.parameters.gameType);
    dropResult();
}

void WheelGeneratorWindow::showProgress(const workshop::GeneratorProgress& progress) {
    if (finished_) return;  // a report that was on its way when the run ended
    progress_ = progress;
    const QString time = seconds(languageLocale(texts_.language()), progress.seconds);
    // Some of the run searches from other starts at a size no smaller than the best; a try that
    // cannot beat the best is no news to the player.
    if (progress.bestBoards > 0 && progress.boards >= progress.bestBoards)
        controls_.progress->setText(text(ProgramText::GeneratorBestSoFar).arg(progress.bestBoards).arg(time));
    else if (progress.holes == 1)
        controls_.progress->setText(
            text(ProgramText::GeneratorProgressOneHole).arg(progress.bestBoards).arg(progress.boards).arg(time));
    else
        controls_.progress->setText(text(ProgramText::GeneratorProgress)
                                    .arg(progress.bestBoards)
                                    .arg(progress.boards)
                                    .arg(progress.holes)
                                    .arg(time));
}

void WheelGeneratorWindow::finishGeneration(const workshop::GeneratorResult& result) {
    finished_ = true;
    joinWorker();
    progress_.seconds = result.seconds;
    if (result.complete) {
        wheel_ = result.wheel;
        progress_.bestBoards = int(result.wheel.boards.size());
        controls_.progress->setText(text(ProgramText::GeneratorDone)
                                        .arg(wheel_->boards.size())
                                        .arg(wheel_->numbers)
                                        .arg(seconds(languageLocale(texts_.language()), result.seconds)));
    } else {
        controls_.progress->setText(text(ProgramText::GeneratorNoWheel));
    }
    enableControls();
}

void WheelGeneratorWindow::joinWorker() {
    if (worker_.joinable()) worker_.join();
}

void WheelGeneratorWindow::enableControls() {
    const bool running = generating();
    const bool have = wheel_.has_value() && !running;
    controls_.numbers->setEnabled(!running);
    controls_.ticked->setEnabled(!running);
    controls_.guarantee->setEnabled(!running);
    controls_.seconds->setEnabled(!running);
    controls_.filterPanel->setEnabled(!running);
    controls_.generate->setEnabled(!running);
    controls_.stop->setEnabled(running);
    controls_.check->setEnabled(have && checkHook_ != nullptr);
    controls_.save->setEnabled(have);
    controls_.send->setEnabled(have && sendHook_ != nullptr);
}

void WheelGeneratorWindow::checkWheel() {
    if (wheel_ && checkHook_) checkHook_(*wheel_, played_);
}

bool WheelGeneratorWindow::saveWheel() {
    if (!wheel_) return false;
    Platform::FileDialog dialog;
    dialog.title = text(ProgramText::SaveWheel).remove(QChar(0x2026));
    dialog.filter = text(ProgramText::WheelFiles) + QStringLiteral(" (*.txt);;") + text(ProgramText::AllFiles) +
                    QStringLiteral(" (*)");
    dialog.defaultSuffix = QStringLiteral("txt");
    dialog.initialName =
        text(ProgramText::DefaultWheelFileName).arg(wheel_->numbers).arg(wheelGuarantee_.t).arg(wheelGuarantee_.m);
    dialog.overwritePrompt = true;
    const QString file = platform_.saveFileName(dialog);
    if (file.isEmpty()) return false;
    if (!writeFileAtomically(std::filesystem::path(file.toStdString()), workshop::wheelFileText(*wheel_, ';'))) {
        platform_.message(text(ProgramText::WheelNotWritten).arg(file), windowTitle(), Platform::Buttons::Ok,
                          Platform::Icon::Critical);
        return false;
    }
    savedFile_ = file;
    return true;
}

void WheelGeneratorWindow::sendToExternalTab() {
    if (!wheel_ || !sendHook_) return;
    if (savedFile_.isEmpty() && !saveWheel()) return;
    sendHook_(savedFile_, played_);
}

void WheelGeneratorWindow::done(int result) {
    stopFlag_ = true;
    QDialog::done(result);
}

}  // namespace norvex5
