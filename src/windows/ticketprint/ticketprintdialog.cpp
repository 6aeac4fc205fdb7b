#include "windows/ticketprint/ticketprintdialog.h"
#include "localisation/messagenumbers.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/appstate.h"
#include "core/wheelcatalogue.h"
#include "output/ticketlayouts.h"
#include "output/ticketoutlines.h"
#include "textfiles/fieldnumber.h"
#include "windows/common/entrylists.h"
#include "windows/common/longpass.h"
#include "windows/common/pictures.h"
#include "windows/common/platform.h"
#include "windows/common/printersurface.h"
#include "windows/common/printnotices.h"
#include "windows/common/windowfont.h"
#include "windows/ticketprint/ticketpreview.h"

namespace norvex5 {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A board field or the bonus number read as a decimal integer; 0 when empty or not a number.
int numberIn(const QString& text) { return fieldNumber(text.toStdString()).value_or(0); }

std::uint32_t freshSeed() { return std::random_device{}(); }

}  // namespace

TicketPrintDialog::TicketPrintDialog(const Texts& texts, Settings& settings, CurrentGame& game, Platform& platform,
                                     QWidget* parent)
    : QDialog(parent), texts_(texts), settings_(settings), game_(game), platform_(platform) {
    setUpDialog(*this, "Form7");
    setWindowIcon(QIcon(loadProgramIcon()));
    controls_.build(*this);
    showEntryTextsOnly(*controls_.modelList);
    connectHandlers();
}

TicketPrintDialog::~TicketPrintDialog() = default;

void TicketPrintDialog::connectHandlers() {
    const TicketPrintControls& c = controls_;
    connect(c.modelList, &QComboBox::currentIndexChanged, this, &TicketPrintDialog::refreshBonusControls);
    connect(c.bonusWanted, &QAbstractButton::clicked, this, &TicketPrintDialog::switchBonus);
    connect(c.bonusNumber->lineEdit(), &QLineEdit::editingFinished, this, &TicketPrintDialog::checkBonusNumber);
    connect(c.print, &QAbstractButton::clicked, this, &TicketPrintDialog::printTickets);
    connect(c.preview, &QAbstractButton::clicked, this, &TicketPrintDialog::previewTickets);
    connect(c.back, &QAbstractButton::clicked, this, &QDialog::reject);
}

bool TicketPrintDialog::setWheel(int wheel) {
    wheel_ = wheelRecordOf(game_.expansion, wheel) != nullptr ? wheel : 0;
    return wheel_ != 0;
}

int TicketPrintDialog::openFor(int wheel) {
    if (!setWheel(wheel)) return QDialog::Rejected;
    return exec();
}

int TicketPrintDialog::boardCount() const {
    const WheelRecord* record = wheelRecordOf(game_.expansion, wheel_);
    return record != nullptr ? record->boardCount : 0;
}

QString TicketPrintDialog::text(int message) const { return QString::fromStdString(texts_.message(message)); }

void TicketPrintDialog::applyTexts() {
    setWindowTitle(text(kMessageTicketPrintTitle));
    applyWindowTexts(*this, ticketPrintTexts(), texts_.messageLookup());
    controls_.preview->setText(fromUtf8(texts_.programText(ProgramText::PrintPreview)));
    controls_.firstBoard->setToolTip(fromUtf8(texts_.programText(ProgramText::FirstBoardToPrint)));
    controls_.lastBoard->setToolTip(fromUtf8(texts_.programText(ProgramText::LastBoardToPrint)));
    nameBonusRun();
}

void TicketPrintDialog::nameBonusRun() {
    // The designed caption counts to ten; a bonus row of another length says how far it runs.
    constexpr int kDesignedRun = 10;
    const int count = bonusNumberCount(selectedModel());
    controls_.successiveBonus->setText(count == kDesignedRun
                                           ? text(kMessageBonusInTurn)
                                           : fromUtf8(texts_.programText(ProgramText::BonusNumbersInTurn)).arg(count));
}

void TicketPrintDialog::showEvent(QShowEvent* event) {
    // Every opening starts from the remembered model and the whole wheel; the modes and options
    // stay as the user left them.
    applyTexts();
    fillModelList();
    resetBoardRange();
    refreshBonusControls();
    bonusSeed_ = freshSeed();
    QDialog::showEvent(event);
}

void TicketPrintDialog::changeEvent(QEvent* event) {
    // A language changed elsewhere shows the next time the dialog comes up.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) applyTexts();
    QDialog::changeEvent(event);
}

void TicketPrintDialog::fillModelList() { fillTicketModelList(*controls_.modelList, settings_); }

void TicketPrintDialog::resetBoardRange() {
    controls_.firstBoard->setText(QStringLiteral("1"));
    controls_.lastBoard->setText(QString::number(boardCount()));
}

int TicketPrintDialog::selectedModel() const {
    return ticketModelFromEntry(controls_.modelList->currentText().toStdString());
}

void TicketPrintDialog::refreshBonusControls() {
    const int model = selectedModel();
    const int count = bonusNumberCount(model);
    QComboBox* numbers = controls_.bonusNumber;
    numbers->clear();
    for (int b = 1; b <= count; ++b) numbers->addItem(QString::number(b));
    numbers->setCurrentIndex(0);
    nameBonusRun();
    const bool offered = hasBonusRow(model);
    controls_.bonusWanted->setVisible(offered);
    controls_.bonusModes->setVisible(offered && controls_.bonusWanted->isChecked());
}

void TicketPrintDialog::switchBonus(bool on) {
    controls_.bonusModes->setVisible(on);
    if (on) controls_.randomBonus->setChecked(true);
}

void TicketPrintDialog::checkBonusNumber() {
    const int b = numberIn(controls_.bonusNumber->currentText());
    if (b < 1 || b > bonusNumberCount(selectedModel())) controls_.bonusNumber->setEditText(QStringLiteral("1"));
}

std::optional<InternalTicketRequest> TicketPrintDialog::checkedRequest() {
    const TicketPrintControls& c = controls_;
    InternalTicketRequest request;
    request.model = selectedModel();
    if (request.model <= 0) return std::nullopt;
    const int count = bonusNumberCount(request.model);
    request.mode = c.allAtOnce->isChecked() ? TicketMode::AllAtOnce : TicketMode::OneByOne;
    request.first = numberIn(c.firstBoard->text());
    request.last = numberIn(c.lastBoard->text());
    request.bonusWanted = c.bonusWanted->isChecked();
    if (c.randomBonus->isChecked()) {
        request.bonusMode = -1;
    } else if (c.successiveBonus->isChecked()) {
        request.bonusMode = 0;
    } else {
        const int b = numberIn(c.bonusNumber->currentText());
        request.bonusMode = b >= 1 && b <= count ? b : 1;
    }
    request.boardNumbersWanted = c.boardNumbers->isChecked();
    request.bonusSeed = bonusSeed_;
    // With no wheel the count is 0 and every range is wrong, so nothing is ever built.
    if (request.first <= 0 || request.last > boardCount() || request.last < request.first) {
        platform_.message(text(kMessageIncorrectRange), text(kMessageProblem), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return std::nullopt;
    }
    return request;
}

PrintResult TicketPrintDialog::runTickets(PrintSurface& surface, const InternalTicketRequest& request,
                                          const TicketHooks& hooks) {
    return printInternalTickets(surface, game_, settings_, wheel_, request, hooks);
}

QString TicketPrintDialog::documentName() const {
    const QString title = windowTitle();
    return title.isEmpty() ? QStringLiteral("Norvex5") : QStringLiteral("Norvex5 - ") + title;
}

void TicketPrintDialog::setButtonsEnabled(bool enabled) {
    for (QPushButton* button : {controls_.print, controls_.preview, controls_.back}) button->setEnabled(enabled);
}

void TicketPrintDialog::printTickets() {
    if (printing()) return;
    const std::optional<InternalTicketRequest> request = checkedRequest();
    if (!request) return;
    PrinterSurface surface;
    if (!platform_.choosePrintTarget(surface.printer(), documentName())) return;
    if (!marksFitOrUserGoesOn(platform_, texts_, surface, request->model, printerOffsets(settings_.parameters))) return;

    LongPass pass(this, fromUtf8(texts_.programText(ProgramText::Working)),
                  fromUtf8(texts_.programText(ProgramText::Cancel)), request->last - request->first + 1);
    TicketHooks hooks;
    hooks.nextTicket = [this] {
        return platform_.message(text(kMessageNextTicket), text(kMessagePrinting), Platform::Buttons::OkCancel,
                                 Platform::Icon::Question) == Platform::Answer::Ok;
    };
    hooks.progress = [&pass](std::int64_t printed) { return pass.step(printed); };
    hooks.reportError = [this](const std::string& procedure) {
        platform_.message(QStringLiteral("Erreur"), QStringLiteral("Erreur dans ") + QString::fromStdString(procedure),
                          Platform::Buttons::Ok);
    };
    pass_ = &pass;
    setButtonsEnabled(false);
    const PrintResult result = runTickets(surface, *request, hooks);
    setButtonsEnabled(true);
    pass_ = nullptr;
    tellWhatACancelLeft(platform_, texts_, result);
    // A new run draws new random bonus numbers.
    bonusSeed_ = freshSeed();
    accept();
}

void TicketPrintDialog::previewTickets() {
    if (printing()) return;
    std::optional<InternalTicketRequest> request = checkedRequest();
    if (!request) return;
    // The pages are the same in both modes; only a printer needs a job per paper ticket and the
    // user's word between them, and the preview asks nothing.
    request->mode = TicketMode::AllAtOnce;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName());
    const TicketPreview::Texts texts{
        fromUtf8(texts_.programText(ProgramText::PrintPreview)), fromUtf8(texts_.programText(ProgramText::PreviewPage)),
        fromUtf8(texts_.programText(ProgramText::PreviousPage)), fromUtf8(texts_.programText(ProgramText::NextPage)),
        fromUtf8(texts_.programText(ProgramText::Close))};
    TicketPreview preview(
        printer, [this, &request](QPrinter& target) { paintPreview(target, *request); }, texts, this);
    preview.exec();
}

void TicketPrintDialog::paintPreview(QPrinter& printer, const InternalTicketRequest& request) {
    PrinterSurface surface(printer);
    OutlinedTicketSurface outlined(surface, request.model, printerOffsets(settings_.parameters));
    runTickets(outlined, request, {});
}

void TicketPrintDialog::done(int result) {
    // Closing while a run goes on stops it; the run then closes the dialog itself.
    if (pass_ != nullptr) {
        pass_->cancel();
        return;
    }
    settings_.parameters.ticketModelIndex = controls_.modelList->currentIndex();
    settings_.ticketModelRemembered = true;
    QDialog::done(result);
}

void TicketPrintDialog::closeEvent(QCloseEvent* event) {
    if (pass_ != nullptr) {
        pass_->cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace norvex5
