#include "windows/comparison/comparisonwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "core/appstate.h"
#include "core/wheelcatalogue.h"
#include "localisation/messagenumbers.h"
#include "windows/common/linelistmodel.h"
#include "windows/common/longpass.h"
#include "windows/common/platform.h"
#include "windows/comparison/comparisonhistory.h"

namespace norvex5 {

namespace {

constexpr int kGridAEntries = 50;
constexpr int kGridBEntries = 9;
constexpr std::int64_t kBoardsPerStep = 256;

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

ComparisonWindow::ComparisonWindow(const Texts& texts, const Settings& settings, CurrentGame& game, Platform& platform,
                                   QWidget* parent)
    : QDialog(parent), texts_(texts), settings_(settings), game_(game), platform_(platform) {
    controls_.build(*this);
    connectHandlers();
}

ComparisonWindow::~ComparisonWindow() = default;

void ComparisonWindow::setDrawHistory(DrawHistory& history) {
    history_ = std::make_unique<ComparisonHistory>(texts_, platform_, history, *this, controls_.drawBoxes);
}

void ComparisonWindow::connectHandlers() {
    connect(controls_.compareButton, &QAbstractButton::clicked, this, &ComparisonWindow::compareWithDraw);
    connect(controls_.returnButton, &QAbstractButton::clicked, this, &QDialog::reject);
}

// --- Opening and closing ------------------------------------------------------------------------

void ComparisonWindow::setInternalMode() { mode_ = ComparisonMode::Internal; }

void ComparisonWindow::setExternalMode(const ExternalWheel& wheel, BoardProgress progress) {
    mode_ = ComparisonMode::External;
    externalWheel_ = wheel;
    externalProgress_ = std::move(progress);
}

void ComparisonWindow::openInternal() {
    setInternalMode();
    exec();
}

void ComparisonWindow::openExternal(const ExternalWheel& wheel, BoardProgress progress) {
    setExternalMode(wheel, std::move(progress));
    exec();
}

void ComparisonWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored from the task bar is the same showing: its results stay.
    if (!event->spontaneous()) prepareForShowing();
}

void ComparisonWindow::prepareForShowing() {
    applyTexts();
    controls_.lines->clear();
    clearSummary();
    // The boxes offer the numbers afresh and show the draw entered last time, box by box; a box
    // whose remembered entry is not in its list stays empty.
    for (int k = 0; k < kDrawBoxCount; ++k) {
        QComboBox* box = controls_.drawBoxes[k];
        box->clear();
        const int entries = k < kGridADrawBoxCount ? kGridAEntries : kGridBEntries;
        for (int n = 1; n <= entries; ++n) box->addItem(QString::number(n));
        const std::int32_t remembered = rememberedDraw_[k];
        box->setCurrentIndex(remembered >= 0 && remembered < entries ? remembered : -1);
    }
    // Every box on its first entry is the start of a run: no draw typed yet, the last stored one
    // is offered instead.
    if (history_)
        history_->prepare(std::all_of(rememberedDraw_.begin(), rememberedDraw_.begin() + kGridADrawBoxCount,
                                      [](std::int32_t entry) { return entry == 0; }));
}

void ComparisonWindow::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) rememberDraw();
    QDialog::hideEvent(event);
}

void ComparisonWindow::rememberDraw() {
    // The entry the box shows: a typed number is remembered as the entry that holds it.
    for (int k = 0; k < kDrawBoxCount; ++k) {
        const QComboBox* box = controls_.drawBoxes[k];
        rememberedDraw_[k] = box->findText(box->currentText(), Qt::MatchExactly);
    }
}

void ComparisonWindow::done(int result) {
    // Closing stops a comparison under way; it returns as soon as it sees the request.
    if (pass_ != nullptr) pass_->cancel();
    QDialog::done(result);
}

void ComparisonWindow::applyTexts() {
    const MessageLookup lookup = texts_.messageLookup();
    setWindowTitle(QString::fromStdString(lookup(kMessageComparisonTitle)));
    applyWindowTexts(*this, comparisonWindowTexts(), lookup);
    if (history_) history_->applyTexts();
}

// --- Comparing ----------------------------------------------------------------------------------

DrawTexts ComparisonWindow::drawTexts() const {
    DrawTexts texts;
    for (int k = 0; k < kGridADrawBoxCount; ++k) texts[k] = controls_.drawBoxes[k]->currentText().toStdString();
    return texts;
}

void ComparisonWindow::clearSummary() {
    for (QLabel* label : {controls_.fiveMatches, controls_.fourMatches, controls_.threeMatches, controls_.twoMatches})
        label->clear();
}

void ComparisonWindow::showSummary(const MatchCounts& counts) {
    showCount(*controls_.fiveMatches, counts.five);
    showCount(*controls_.fourMatches, counts.four);
    showCount(*controls_.threeMatches, counts.three);
    showCount(*controls_.twoMatches, counts.two);
}

void ComparisonWindow::compareWithDraw() {
    if (pass_ != nullptr) return;
    const DrawTexts texts = drawTexts();
    if (refuseNumberOutsideGame(texts)) return;
    if (drawHasDuplicates(texts)) {
        platform_.message(QString::fromStdString(texts_.message(kMessageIncorrectSelection)),
                          QString::fromStdString(texts_.message(kMessageProblemWarning)), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return;
    }
    if (mode_ == ComparisonMode::External)
        compareExternalWheel(texts);
    else
        compareInternalWheel(texts);
}

bool ComparisonWindow::refuseNumberOutsideGame(const DrawTexts& texts) {
    const std::int32_t highest = settings_.parameters.highestNumber;
    const auto outside = drawNumberOutsideGame(texts, highest);
    if (!outside) return false;
    platform_.message(fromUtf8(texts_.programText(ProgramText::DrawNumberOutsideGame))
                          .arg(outside->box + 1)
                          .arg(fromUtf8(outside->text))
                          .arg(highest),
                      QString::fromStdString(texts_.message(kMessageProblemWarning)), Platform::Buttons::Ok,
                      Platform::Icon::Warning);
    // The player mends the box without looking for it.
    QComboBox* box = controls_.drawBoxes[outside->box];
    box->setFocus();
    if (box->lineEdit() != nullptr) box->lineEdit()->selectAll();
    return true;
}

void ComparisonWindow::compareInternalWheel(const DrawTexts& texts) {
    const InternalDraw draw = internalDraw(texts);
    if (!draw.draw) {
        const QString text = fromUtf8(texts_.programText(ProgramText::NotAnInteger))
                                 .arg(QString::fromStdString(texts[static_cast<std::size_t>(draw.firstInvalid)]));
        platform_.message(text, QStringLiteral("Norvex5"), Platform::Buttons::Ok, Platform::Icon::Critical);
        return;
    }
    // Results of an earlier draw must not stand beside the boards of this one.
    controls_.lines->clear();
    clearSummary();
    const int chosen = game_.selectedWheel;
    const WheelRecord* wheel = wheelRecordOf(game_.expansion, chosen);
    if (wheel == nullptr) return;
    const ComparisonResult result = listBoards(wheel->boardCount, [&](const ComparisonSink& sink) {
        return compareInternal(game_.expansion, game_.boardMask, game_.selection, chosen, *draw.draw, sink);
    });
    if (!result.pass.stopped) showSummary(result.counts);
}

void ComparisonWindow::compareExternalWheel(const DrawTexts& texts) {
    const Draw draw = externalDraw(texts);
    controls_.lines->clear();
    clearSummary();
    // The board numbers of the expansion restart, as every pass over a wheel file does.
    game_.expansion.currentBoard = 1;
    const ComparisonResult result =
        listBoards(0, [&](const ComparisonSink& sink) { return compareExternal(externalWheel_, draw, sink); });
    if (externalProgress_) externalProgress_(result.pass.count);
    if (result.pass.stopped) return;
    if (!result.pass.ok) {
        platform_.message(fromUtf8(kExternalComparisonFailureText), fromUtf8(kExternalComparisonFailureTitle),
                          Platform::Buttons::Ok, Platform::Icon::Critical);
        return;
    }
    showSummary(result.counts);
}

ComparisonResult ComparisonWindow::listBoards(std::int64_t total,
                                              const std::function<ComparisonResult(const ComparisonSink&)>& compare) {
    LineListModel& lines = *controls_.lines;
    LongPass pass(this, fromUtf8(texts_.programText(ProgramText::Working)),
                  fromUtf8(texts_.programText(ProgramText::Cancel)), total);
    // The view lays all its rows out again after each batch: announcing them each time their
    // number has doubled keeps that work in proportion to the list, however long it grows.
    const BoardProgress progress = mode_ == ComparisonMode::External ? externalProgress_ : BoardProgress();
    pass.setBeforeEvents([&lines, &progress] {
        if (lines.lineCount() >= 2 * static_cast<qsizetype>(lines.rowCount())) lines.flush();
        if (progress) progress(lines.lineCount());
    });
    pass_ = &pass;
    controls_.compareButton->setEnabled(false);
    controls_.returnButton->setEnabled(false);

    const ComparisonResult result = compare([&](std::int64_t board, std::string_view line) {
        lines.append(line);
        // A board of a wheel file is scored in a few tens of nanoseconds, about what asking the
        // clock costs: the pass looks at it every 256 boards, a small fraction of its 50 ms.
        return board % kBoardsPerStep != 0 ? !pass.cancelled() : pass.step(board);
    });
    lines.flush();

    controls_.compareButton->setEnabled(true);
    controls_.returnButton->setEnabled(true);
    pass_ = nullptr;
    longestEventGap_ = pass.longestGap();
    return result;
}

}  // namespace norvex5
