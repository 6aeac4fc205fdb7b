#include "windows/boardlist/boardlistwindow.h"

#include <QEvent>
#include <QListView>
#include <QPushButton>

#include "core/appstate.h"
#include "localisation/messagenumbers.h"
#include "output/listprinting.h"
#include "windows/common/filepaths.h"
#include "windows/common/longpass.h"
#include "windows/common/platform.h"
#include "windows/common/printersurface.h"
#include "windows/common/windowfont.h"
#include "windows/common/printnotices.h"
#include "windows/common/windowtexts.h"

namespace norvex5 {

namespace {

// The view announces new lines in batches this large while a pass fills it; between two batches
// it costs nothing.
constexpr std::int64_t kLinesPerBatch = 4096;

// Puts the buttons back however the pass it guards ends.
class PassGuard {
public:
    PassGuard(LongPass*& slot, LongPass& pass, std::function<void(bool)> enableButtons)
        : slot_(slot), enableButtons_(std::move(enableButtons)) {
        slot_ = &pass;
        enableButtons_(false);
    }
    ~PassGuard() {
        slot_ = nullptr;
        enableButtons_(true);
    }
    PassGuard(const PassGuard&) = delete;
    PassGuard& operator=(const PassGuard&) = delete;

private:
    LongPass*& slot_;
    std::function<void(bool)> enableButtons_;
};

}  // namespace

BoardListWindow::BoardListWindow(const Texts& texts, CurrentGame& game, Platform& platform, QWidget* parent)
    : BoardListWindow(texts, platform, chosenWheelBoards(game, texts), parent) {}

BoardListWindow::BoardListWindow(const Texts& texts, Platform& platform, BoardListSource source, QWidget* parent)
    : QDialog(parent), texts_(texts), platform_(platform), source_(std::move(source)) {
    setObjectName(QStringLiteral("Form5"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    useProgramFont(*this);
    controls_.build(*this);
    controls_.list->setModel(&lines_);
    connectHandlers();
}

BoardListWindow::~BoardListWindow() = default;

void BoardListWindow::connectHandlers() {
    connect(controls_.printList, &QPushButton::clicked, this, &BoardListWindow::printList);
    connect(controls_.printTickets, &QPushButton::clicked, this, &BoardListWindow::printTickets);
    connect(controls_.exportList, &QPushButton::clicked, this, &BoardListWindow::exportList);
    connect(controls_.back, &QPushButton::clicked, this, &QDialog::accept);
}

QString BoardListWindow::text(int message) const { return QString::fromStdString(texts_.message(message)); }

void BoardListWindow::applyTexts() {
    setWindowTitle(text(kMessageInternalListTitle));
    applyWindowTexts(*this, boardListTexts(), texts_.messageLookup());
}

// --- Showing and closing ------------------------------------------------------------------------

void BoardListWindow::showEvent(QShowEvent* event) {
    applyTexts();
    QDialog::showEvent(event);
    // The window comes up first and fills itself from its own event loop, so that it can be
    // seen, and closed, while a long list is being made.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible()) fillList();
        },
        Qt::QueuedConnection);
}

void BoardListWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) applyTexts();
}

void BoardListWindow::done(int result) {
    if (pass_ != nullptr) pass_->cancel();
    QDialog::done(result);
}

// --- Long passes --------------------------------------------------------------------------------

void BoardListWindow::setButtonsEnabled(bool enabled) {
    for (QPushButton* b : {controls_.printList, controls_.printTickets, controls_.exportList, controls_.back}) b->setEnabled(enabled);
}

void BoardListWindow::runPass(std::int64_t total, const std::function<void(LongPass& pass)>& work) {
    LongPass pass(this, QString::fromStdString(texts_.programText(ProgramText::Working)),
                  QString::fromStdString(texts_.programText(ProgramText::Cancel)), total);
    PassGuard guard(pass_, pass, [this](bool enabled) { setButtonsEnabled(enabled); });
    work(pass);
}

// --- What the player asks for -------------------------------------------------------------------

void BoardListWindow::fillList() {
    if (pass_ != nullptr) return;
    lines_.clear();
    runPass(source_.boardCount(), [this](LongPass& pass) {
        std::int64_t done = 0;
        source_.windowLines([&](std::string_view line) {
            lines_.append(line);
            if (++done % kLinesPerBatch == 0) lines_.flush();
            return pass.step(done);
        });
    });
    lines_.flush();
    emit listFilled();
}

void BoardListWindow::printList() {
    if (pass_ != nullptr) return;
    const QString title = text(kMessageInternalListTitle);
    PrinterSurface surface;
    if (!platform_.choosePrintTarget(surface.printer(), title)) return;
    PrintResult result;
    runPass(source_.boardCount(), [&](LongPass& pass) {
        // A Cancel stops the lines and drops the job.
        result = printBoardList(surface, kInternalListStyle, title.toStdString(), [&](const LineSink& sink) {
            std::int64_t done = 0;
            return source_.printedLines([&](std::string_view line) { return sink(line) && pass.step(++done); });
        });
    });
    // The printer would not start a job: said the way the program reports an unexpected failure.
    if (result.status() == PrintResult::Status::Failed)
        platform_.message(QStringLiteral("Erreur"), QStringLiteral("Erreur dans imprimeliste"), Platform::Buttons::Ok);
    tellWhatACancelLeft(platform_, texts_, result);
}

void BoardListWindow::exportList() {
    if (pass_ != nullptr) return;
    const QString file =
        platform_.saveFileName(exportFileDialog(text(kMessageExportTitle), QStringLiteral("Norvex5 (*.txt)")));
    if (file.isEmpty()) return;

    ExportResult result;
    runPass(source_.boardCount(), [&](LongPass& pass) {
        result = source_.exportTo(toPath(file), [&](std::int64_t lines) { return pass.step(lines); });
    });
    // A file that could not be made is said so; the old file, if any, is as it was.
    if (result.status == ExportStatus::NotCreated || result.status == ExportStatus::WriteFailed)
        platform_.message(text(kMessageWriteError), text(kMessageProblemTitle), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
}

void BoardListWindow::printTickets() {
    if (pass_ == nullptr && openTicketPrinting_) openTicketPrinting_();
}

}  // namespace norvex5
