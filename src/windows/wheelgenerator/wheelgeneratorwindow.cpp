#include "windows/wheelgenerator/wheelgeneratorwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
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
#include "windows/common/closerow.h"
#include "windows/common/windowfont.h"
#include "workshop/wheel.h"

namespace norvex5 {

using workshop::Guarantee;

namespace {

constexpr int kDefaultSeconds = 30;
constexpr int kMostSeconds = 3600;

QString seconds(const QLocale& locale, double s) { return locale.toString(s, 'f', 1); }

}  // namespace

WheelGeneratorWindow::WheelGeneratorWindow(AppState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setUpDialog(*this, "FormGenerateur");
    buildControls();
    connectHandlers();
    applyTexts();
    enableControls();
}

WheelGeneratorWindow::~WheelGeneratorWindow() {
    stopFlag_ = true;
    joinWorker();
}

void WheelGeneratorWindow::buildControls() {
    auto* column = dialogColumn(*this);
    auto* grid = new QGridLayout;
    numbersLabel_ = new QLabel(this);
    numbersLabel_->setObjectName(QStringLiteral("LabelNombres"));
    numbers_ = new QSpinBox(this);
    numbers_->setObjectName(QStringLiteral("EditNombres"));
    numbers_->setRange(workshop::kMinNumbers, workshop::kMaxNumbers);
    numbers_->setValue(10);
    ticked_ = new QPushButton(this);
    ticked_->setObjectName(QStringLiteral("BoutonCoches"));
    grid->addWidget(numbersLabel_, 0, 0);
    grid->addWidget(numbers_, 0, 1);
    grid->addWidget(ticked_, 0, 2);

    guaranteeLabel_ = new QLabel(this);
    guaranteeLabel_->setObjectName(QStringLiteral("LabelGarantie"));
    guarantee_ = new QComboBox(this);
    guarantee_->setObjectName(QStringLiteral("ComboGarantie"));
    grid->addWidget(guaranteeLabel_, 1, 0);
    grid->addWidget(guarantee_, 1, 1);

    secondsLabel_ = new QLabel(this);
    secondsLabel_->setObjectName(QStringLiteral("LabelSecondes"));
    seconds_ = new QSpinBox(this);
    seconds_->setObjectName(QStringLiteral("EditSecondes"));
    seconds_->setRange(1, kMostSeconds);
    seconds_->setValue(kDefaultSeconds);
    grid->addWidget(secondsLabel_, 2, 0);
    grid->addWidget(seconds_, 2, 1);
    column->addLayout(grid);
    filterPanel_ = new FilterPanel(state_, this);
    column->addWidget(filterPanel_);

    auto* run = new QHBoxLayout;
    generate_ = new QPushButton(this);
    generate_->setObjectName(QStringLiteral("BoutonGenerer"));
    stop_ = new QPushButton(this);
    stop_->setObjectName(QStringLiteral("BoutonArreter"));
    run->addWidget(generate_);
    run->addWidget(stop_);
    column->addLayout(run);

    progressLabel_ = new QLabel(this);
    progressLabel_->setObjectName(QStringLiteral("LabelProgression"));
    progressLabel_->setMinimumWidth(380);
    progressLabel_->setWordWrap(true);
    column->addWidget(progressLabel_);

    auto* after = new QHBoxLayout;
    check_ = new QPushButton(this);
    check_->setObjectName(QStringLiteral("BoutonVerifier"));
    save_ = new QPushButton(this);
    save_->setObjectName(QStringLiteral("BoutonEnregistrer"));
    send_ = new QPushButton(this);
    send_->setObjectName(QStringLiteral("BoutonEnvoyer"));
    after->addWidget(check_);
    after->addWidget(save_);
    after->addWidget(send_);
    column->addLayout(after);
    close_ = addCloseRow(*this, *column);
}

void WheelGeneratorWindow::connectHandlers() {
    connect(ticked_, &QPushButton::clicked, this, &WheelGeneratorWindow::takeTickedNumbers);
    connect(generate_, &QPushButton::clicked, this, &WheelGeneratorWindow::generateWheel);
    connect(stop_, &QPushButton::clicked, this, &WheelGeneratorWindow::stopGenerating);
    connect(check_, &QPushButton::clicked, this, &WheelGeneratorWindow::checkWheel);
    connect(save_, &QPushButton::clicked, this, &WheelGeneratorWindow::saveWheel);
    connect(send_, &QPushButton::clicked, this, &WheelGeneratorWindow::sendToExternalTab);
    connect(numbers_, &QSpinBox::valueChanged, this, &WheelGeneratorWindow::dropResult);
    connect(guarantee_, &QComboBox::currentIndexChanged, this, &WheelGeneratorWindow::dropResult);
    connect(filterPanel_, &FilterPanel::changed, this, &WheelGeneratorWindow::filterChanged);
}

QString WheelGeneratorWindow::text(ProgramText which) const {
    return QString::fromStdString(state_.programText(which));
}

void WheelGeneratorWindow::fillGuarantees() {
    // The same choice in other words: no change the result must follow.
    const QSignalBlocker sameChoice(guarantee_);
    const int chosen = guarantee_->currentIndex();
    guarantee_->clear();
    for (int m = workshop::kMinGeneratedT; m <= workshop::kBoardSize; ++m)
        for (int t = workshop::kMinGeneratedT; t <= m; ++t)
            guarantee_->addItem(text(ProgramText::GuaranteeChoice).arg(t).arg(m), t * 10 + m);
    // "3 if 3" at first: the guarantee most players ask of a wheel.
    guarantee_->setCurrentIndex(chosen >= 0 ? chosen : guarantee_->findData(33));
}

Guarantee WheelGeneratorWindow::chosenGuarantee() const {
    const int code = guarantee_->currentData().toInt();
    return {code / 10, code % 10};
}

void WheelGeneratorWindow::applyTexts() {
    setWindowTitle(text(ProgramText::WheelGeneratorTitle));
    numbersLabel_->setText(text(ProgramText::NumbersToWheel));
    ticked_->setText(text(ProgramText::UseTickedNumbers));
    guaranteeLabel_->setText(text(ProgramText::GuaranteeLabel));
    secondsLabel_->setText(text(ProgramText::SecondsAllowed));
    generate_->setText(text(ProgramText::Generate));
    stop_->setText(text(ProgramText::Stop));
    check_->setText(text(ProgramText::CheckWheel));
    save_->setText(text(ProgramText::SaveWheel));
    send_->setText(text(ProgramText::SendToExternalTab));
    close_->setText(text(ProgramText::Close));
    filterPanel_->setHighest(std::clamp(state_.parameters.highestNumber, workshop::kBoardSize, workshop::kMaxNumbers));
    filterPanel_->applyTexts();
    fillGuarantees();
    if (wheel_ && !generating())
        progressLabel_->setText(text(ProgramText::GeneratorDone)
                                    .arg(wheel_->boards.size())
                                    .arg(wheel_->numbers)
                                    .arg(seconds(languageLocale(state_.parameters.language), progress_.seconds)));
}

std::vector<std::int32_t> WheelGeneratorWindow::tickedNumbers() const {
    std::vector<std::int32_t> numbers;
    for (int n = 1; n <= kGridACount; ++n)
        if (state_.selection[n] != kFree) numbers.push_back(n);
    return numbers;
}

void WheelGeneratorWindow::openWindow() {
    // The language may have changed since the window was built or last shown.
    applyTexts();
    if (!generating()) filterPanel_->restoreFrom(filterFile_, state_.parameters.gameType);
    // A wheel still shown keeps its count in the box, so that the two agree; the ticked numbers
    // are one press away.
    const auto ticked = tickedNumbers();
    if (!generating() && !wheel_ && ticked.size() >= std::size_t(workshop::kMinNumbers))
        numbers_->setValue(int(ticked.size()));
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
    numbers_->setValue(int(ticked.size()));
}

void WheelGeneratorWindow::generateWheel() {
    if (generating()) return;
    joinWorker();  // the last run has ended; its thread is still to be joined
    workshop::GeneratorSettings settings;
    settings.numbers = numbers_->value();
    settings.guarantee = chosenGuarantee();
    if (workshop::generatorLimitsProblem(settings.numbers, settings.guarantee)) {
        platform_.message(text(ProgramText::NumbersOutOfRange), windowTitle(), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return;
    }
    settings.seconds = seconds_->value();
    settings.seed = fixedSeed_ ? *fixedSeed_ : std::random_device{}();

    const auto ticked = tickedNumbers();
    std::vector<std::int32_t> played;
    if (ticked.size() == std::size_t(settings.numbers))
        played = ticked;
    else
        for (int n = 1; n <= settings.numbers; ++n) played.push_back(n);
    if (const auto filter = filterPanel_->filter()) {
        if (filterPanel_->passing() == 0) {
            platform_.message(text(ProgramText::FilterNoDraw), windowTitle(), Platform::Buttons::Ok,
                              Platform::Icon::Warning);
            return;
        }
        workshop::PlayedNumbers asPlayed{filterPanel_->highest(), {played.begin(), played.end()}};
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
    }
    played_ = played;
    wheel_.reset();
    savedFile_.clear();
    wheelGuarantee_ = settings.guarantee;
    progress_ = {};
    progressLabel_->clear();
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
    progressLabel_->clear();
    enableControls();
}

// Kept for the game type; a wheel made under another filter answers nothing the panel now asks.
void WheelGeneratorWindow::filterChanged() {
    filterPanel_->keepIn(filterFile_, state_.parameters.gameType);
    dropResult();
}

void WheelGeneratorWindow::showProgress(const workshop::GeneratorProgress& progress) {
    if (finished_) return;  // a report that was on its way when the run ended
    progress_ = progress;
    const QString time = seconds(languageLocale(state_.parameters.language), progress.seconds);
    // Some of the run searches from other starts at a size no smaller than the best; a try that
    // cannot beat the best is no news to the player.
    if (progress.bestBoards > 0 && progress.boards >= progress.bestBoards)
        progressLabel_->setText(text(ProgramText::GeneratorBestSoFar).arg(progress.bestBoards).arg(time));
    else if (progress.holes == 1)
        progressLabel_->setText(
            text(ProgramText::GeneratorProgressOneHole).arg(progress.bestBoards).arg(progress.boards).arg(time));
    else
        progressLabel_->setText(text(ProgramText::GeneratorProgress)
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
        progressLabel_->setText(text(ProgramText::GeneratorDone)
                                    .arg(wheel_->boards.size())
                                    .arg(wheel_->numbers)
                                    .arg(seconds(languageLocale(state_.parameters.language), result.seconds)));
    } else {
        progressLabel_->setText(text(ProgramText::GeneratorNoWheel));
    }
    enableControls();
}

void WheelGeneratorWindow::joinWorker() {
    if (worker_.joinable()) worker_.join();
}

void WheelGeneratorWindow::enableControls() {
    const bool running = generating();
    const bool have = wheel_.has_value() && !running;
    numbers_->setEnabled(!running);
    ticked_->setEnabled(!running);
    guarantee_->setEnabled(!running);
    seconds_->setEnabled(!running);
    filterPanel_->setEnabled(!running);
    generate_->setEnabled(!running);
    stop_->setEnabled(running);
    check_->setEnabled(have && checkHook_ != nullptr);
    save_->setEnabled(have);
    send_->setEnabled(have && sendHook_ != nullptr);
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
