#include "windows/externalwheels/externalwheelstab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "core/appstate.h"
#include "externalwheels/wheelfileindex.h"
#include "localisation/messagenumbers.h"
#include "output/boardlists.h"
#include "output/listexport.h"
#include "output/listprinting.h"
#include "output/ticketlayouts.h"
#include "output/ticketprinting.h"
#include "windows/common/entrylists.h"
#include "windows/common/filepaths.h"
#include "windows/common/longpass.h"
#include "windows/common/platform.h"
#include "windows/common/printersurface.h"
#include "windows/common/printnotices.h"
#include "windows/common/windowtexts.h"
#include "windows/externalwheels/previewgridmodel.h"

namespace norvex5 {

ExternalWheelsTab::ExternalWheelsTab(const Texts& texts, const Settings& settings, CurrentGame& game,
                                     Platform& platform, QWidget* parent)
    : QWidget(parent), texts_(texts), settings_(settings), game_(game), platform_(platform) {
    setObjectName(QStringLiteral("externalWheelsTab"));
    // The tab fills the page it is placed on.
    if (parent != nullptr && parent->layout() == nullptr) {
        auto* fill = new QVBoxLayout(parent);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(this);
    }
    rawModel_ = new PreviewGridModel(this);
    replacedModel_ = new PreviewGridModel(this);
    controls_.build(*this, *rawModel_, *replacedModel_);
    fillTicketModelList();
    connectHandlers();
    showPage(1);
}

ExternalWheelsTab::~ExternalWheelsTab() {
    if (pass_ != nullptr) pass_->cancel();
}

void ExternalWheelsTab::fillTicketModelList() {
    QComboBox* models = controls_.modelList;
    // Not sorted: the model is the entry's position plus 1.
    for (const std::string& entry : ticketModelListEntries()) models->addItem(QString::fromStdString(entry));
    models->setCurrentIndex(rememberedModelEntry(settings_.parameters.ticketModelIndex, models->count()));
    showEntryTextsOnly(*models);
    fitOpenList(*models);
}

void ExternalWheelsTab::connectHandlers() {
    connect(controls_.chooseFile, &QPushButton::clicked, this, &ExternalWheelsTab::chooseFile);
    connect(controls_.next, &QPushButton::clicked, this, &ExternalWheelsTab::showNextPage);
    connect(controls_.previous, &QPushButton::clicked, this, &ExternalWheelsTab::showPreviousPage);
    connect(controls_.print, &QPushButton::clicked, this, &ExternalWheelsTab::printTickets);
    connect(controls_.printList, &QPushButton::clicked, this, &ExternalWheelsTab::printList);
    connect(controls_.exportList, &QPushButton::clicked, this, &ExternalWheelsTab::exportList);
    connect(controls_.compare, &QPushButton::clicked, this, &ExternalWheelsTab::compareWithDraw);
    connect(controls_.checkWheel, &QPushButton::clicked, this, &ExternalWheelsTab::checkWheel);
    connect(controls_.displayAll, &QPushButton::clicked, this, &ExternalWheelsTab::displayAll);
    connect(controls_.fromZero, &QCheckBox::toggled, this, &ExternalWheelsTab::showNumbering);
    // Another separator or header makes other fields of the file numbers.
    connect(controls_.separator, &QComboBox::currentIndexChanged, this, &ExternalWheelsTab::judgeNumbering);
    connect(controls_.linesToSkip, &QComboBox::currentIndexChanged, this, &ExternalWheelsTab::judgeNumbering);
    // The main window's start-up shows the first page by the page control itself.
    connect(controls_.pages, &QTabWidget::currentChanged, this, [this] {
        refreshNavigation();
        proposeTicketModel();
    });
    connect(controls_.modelList, &QComboBox::activated, this, [this] { ticketModelPicked_ = true; });
}

QString ExternalWheelsTab::text(int message) const { return QString::fromStdString(texts_.message(message)); }

void ExternalWheelsTab::fillReplacementLists() {
    QStringList entries;
    for (int n = 1; n <= kReplacementGridABoxes; ++n) entries << QString::number(n);
    for (int n = 1; n <= kReplacementGridABoxes; ++n) {
        QComboBox* box = controls_.gridABoxes[static_cast<std::size_t>(n)];
        box->clear();
        box->addItems(entries);
        box->setCurrentIndex(n - 1);
    }
}

// --- Pages --------------------------------------------------------------------------------------

int ExternalWheelsTab::page() const { return controls_.pages->currentIndex() + 1; }

void ExternalWheelsTab::startOver() {
    showPage(1);
    if (controls_.linesToSkip->count() > 0) controls_.linesToSkip->setCurrentIndex(0);
}

void ExternalWheelsTab::showPage(int page) {
    controls_.pages->setCurrentIndex(page - 1);
    refreshNavigation();
}

void ExternalWheelsTab::refreshNavigation() {
    controls_.previous->setEnabled(pass_ == nullptr && page() > 1);
    controls_.next->setEnabled(pass_ == nullptr && page() < kPageCount);
}

void ExternalWheelsTab::proposeTicketModel() {
    // Until a model has been chosen, the last page offers the ticket shown, as the print dialog does.
    if (page() == kPageCount && !settings_.ticketModelRemembered && !ticketModelPicked_)
        controls_.modelList->setCurrentIndex(ticketModelForGameType(settings_.parameters.gameType) - 1);
}

void ExternalWheelsTab::showNextPage() {
    if (pass_ != nullptr) return;
    const int current = page();
    if (current == 1 && controls_.fileName->text().isEmpty()) {
        platform_.message(text(kMessageNoFileChosen), text(kMessageProblemWarning), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        refreshNavigation();
        return;
    }
    if (current == 3 && !replacementsAccepted(currentWheel())) {
        refreshNavigation();
        return;
    }
    if (current < kPageCount) {
        if (current == 1) fillPreview(*rawModel_, PreviewMode::Raw);
        if (current == 3) fillPreview(*replacedModel_, PreviewMode::Replaced);
        showPage(current + 1);
    }
    refreshNavigation();
}

void ExternalWheelsTab::showPreviousPage() {
    if (pass_ != nullptr) return;
    if (page() >= 2) showPage(page() - 1);
    refreshNavigation();
}

void ExternalWheelsTab::fillPreview(PreviewGridModel& model, PreviewMode mode) {
    model.clear();
    // The raw preview shows the file as it stands; the replaced one rebuilds the map first.
    const ExternalWheel wheel = mode == PreviewMode::Replaced ? currentWheel() : wheelAsShown();
    PreviewResult preview = previewRows(wheel, mode);
    model.setRows(std::move(preview.rows));
    // A view keeps its scroll position over a new model's rows: a file shown whole and scrolled
    // down would open the first lines at that row.
    (&model == rawModel_ ? controls_.rawGrid : controls_.replacedGrid)->scrollToTop();
    if (mode == PreviewMode::Replaced) {
        everyLineShown_ = false;
        showReplacedExtent();
    }
    // The rows read before a failure stay, and the page still moves on.
    if (!preview.pass.ok)
        platform_.message(QString::fromUtf8(kPreviewFailureText.data(), kPreviewFailureText.size()),
                          QString::fromUtf8(kPreviewFailureTitle.data(), kPreviewFailureTitle.size()),
                          Platform::Buttons::Ok);
}

// --- The wheel as it stands ---------------------------------------------------------------------

void ExternalWheelsTab::readBoxTexts(GridABoxTexts& gridA, GridBBoxTexts& gridB) const {
    for (int n = 1; n <= kReplacementGridABoxes; ++n)
        gridA[static_cast<std::size_t>(n)] = controls_.gridABoxes[static_cast<std::size_t>(n)]->currentText().toStdString();
    for (int m = 1; m <= kReplacementGridBBoxes; ++m)
        gridB[static_cast<std::size_t>(m)] = controls_.gridBBoxes[static_cast<std::size_t>(m)]->currentText().toStdString();
}

void ExternalWheelsTab::rebuildReplacementMap() {
    GridABoxTexts gridA;
    GridBBoxTexts gridB;
    readBoxTexts(gridA, gridB);
    game_.replacementMap = buildReplacementMap(gridA, gridB, game_.replacementMap);
}

bool ExternalWheelsTab::replacementsAccepted(const ExternalWheel& wheel) {
    GridABoxTexts gridA;
    GridBBoxTexts gridB;
    readBoxTexts(gridA, gridB);
    const UsedWheelNumbers& used = usedNumbers_.numbersOf(wheel);
    const std::optional<ReplacementProblem> problem =
        firstReplacementProblem(gridA, gridB, wheel.map, used.gridA, used.gridB, settings_.parameters.highestNumber);
    if (!problem) return true;
    const auto words = [this](ProgramText t) { return QString::fromStdString(texts_.programText(t)); };
    // A box is named by its label, which is its wheel number.
    const auto boxName = [&](int box) {
        return problem->gridB ? words(ProgramText::ReplacementGridBBox).arg(box) : QString::number(box);
    };
    const QString held = QString::fromStdString(problem->text);
    QString said;
    switch (problem->fault) {
        case ReplacementFault::NotANumber:
            said = words(ProgramText::ReplacementNotANumber).arg(boxName(problem->box), held);
            break;
        case ReplacementFault::NotOnTicket:
            said = words(ProgramText::ReplacementNotOnTicket)
                       .arg(boxName(problem->box), held, QString::number(problem->highest));
            break;
        case ReplacementFault::SameNumber:
            said =
                words(ProgramText::ReplacementSameNumber).arg(boxName(problem->box), held, boxName(problem->otherBox));
            break;
    }
    return platform_.message(said + QLatin1Char('\n') + words(ProgramText::ContinueQuestion),
                             text(kMessageProblemWarning), Platform::Buttons::ContinueCancel,
                             Platform::Icon::Warning) == Platform::Answer::Ok;
}

ExternalWheel ExternalWheelsTab::currentWheel() {
    rebuildReplacementMap();
    return wheelAsShown();
}

ExternalWheel ExternalWheelsTab::wheelAsShown() const {
    ExternalWheel wheel;
    // The reader takes the name's bytes as the file system does.
    wheel.fileName = controls_.fileName->text().isEmpty() ? std::string() : toPath(controls_.fileName->text()).string();
    wheel.separator = controls_.separator->currentText().toStdString();
    wheel.linesToSkip = linesToSkipFromText(controls_.linesToSkip->currentText().toStdString());
    wheel.map = game_.replacementMap;
    wheel.numberedFromZero = fileWritesZero_ && controls_.fromZero->isChecked();
    return wheel;
}

// --- The file -----------------------------------------------------------------------------------

void ExternalWheelsTab::showComparisonProgress(std::int64_t boards) {
    rawModel_->showProgress(boards);
    rawModel_->flushRows();
}

void ExternalWheelsTab::chooseFile() {
    if (pass_ != nullptr) return;
    Platform::FileDialog dialog;
    dialog.title = text(kMessageSelectFile);
    // Text and CSV files first; wheel files made elsewhere often carry other endings (.res, .LS5).
    dialog.filter = text(kMessageTextFiles).trimmed() + QStringLiteral(" (*.txt *.csv);;") +
                    QString::fromStdString(texts_.programText(ProgramText::AllFiles)) + QStringLiteral(" (*)");
    dialog.pathMustExist = true;
    dialog.fileMustExist = true;
    // The dialog opens where the last chosen file is.
    dialog.initialName = controls_.fileName->text();
    const QString file = platform_.openFileName(dialog);
    if (file.isEmpty()) return;
    const QString previousFile = controls_.fileName->text();
    const int previousSeparator = controls_.separator->currentIndex();
    const int previousSkip = controls_.linesToSkip->currentIndex();
    controls_.fileName->setText(QFileInfo(file).absoluteFilePath());
    proposeShape();
    // Said now rather than at the first action. A file that is no text is not taken; any other
    // doubt is only said, since the separator and the lines to skip below can still mend it.
    if (sayWheelFileProblem(wheelAsShown(), "pchargegrille") == WheelFileProblem::NotText) {
        const QSignalBlocker keepSeparator(controls_.separator);
        const QSignalBlocker keepSkip(controls_.linesToSkip);
        controls_.fileName->setText(previousFile);
        controls_.separator->setCurrentIndex(previousSeparator);
        controls_.linesToSkip->setCurrentIndex(previousSkip);
        return;
    }
    controls_.fromZero->setChecked(true);
    judgeNumbering();
}

void ExternalWheelsTab::judgeNumbering() {
    if (pass_ != nullptr) return;
    ExternalWheel asWritten = wheelAsShown();
    asWritten.numberedFromZero = false;
    fileWritesZero_ = !controls_.fileName->text().isEmpty() && numbersStartAtZero(usedNumbers_.numbersOf(asWritten));
    showNumbering();
}

void ExternalWheelsTab::showNumbering() {
    controls_.numberingLine->setVisible(fileWritesZero_);
    controls_.fromZero->setVisible(fileWritesZero_);
    controls_.numberingLine->setText(QString::fromStdString(
        texts_.programText(controls_.fromZero->isChecked() ? ProgramText::ReadFromZero : ProgramText::ReadAsWritten)));
}

void ExternalWheelsTab::proposeShape() {
    const std::optional<FileShape> shape = guessFileShape(toPath(controls_.fileName->text()).string());
    if (!shape) return;
    // The numbering is judged once the whole shape is in place.
    const QSignalBlocker keepSeparator(controls_.separator);
    const QSignalBlocker keepSkip(controls_.linesToSkip);
    controls_.separator->setCurrentIndex(controls_.separator->findText(QString::fromStdString(shape->separator)));
    controls_.linesToSkip->setCurrentIndex(shape->linesToSkip);
}

bool ExternalWheelsTab::acceptWheelFile(const ExternalWheel& wheel, const char* procedure) {
    return sayWheelFileProblem(wheel, procedure) == WheelFileProblem::None;
}

WheelFileProblem ExternalWheelsTab::sayWheelFileProblem(const ExternalWheel& wheel, const char* procedure) {
    const WheelFileCheck check = checkWheelFile(wheel);
    const QString file = QString::fromStdString(wheel.fileName);
    const auto refuse = [&](ProgramText words) {
        const QString sentence = QString::fromStdString(texts_.programText(words));
        // Both at once, so that a "%2" in the file's name stays as it is.
        const QString said = words == ProgramText::WheelFileTooFewNumbers
                                 ? sentence.arg(file, controls_.separator->currentText())
                                 : sentence.arg(file);
        platform_.message(said, text(kMessageProblemWarning), Platform::Buttons::Ok, Platform::Icon::Warning);
    };
    switch (check.problem) {
        case WheelFileProblem::None: break;
        case WheelFileProblem::Unreadable: reportError(procedure); break;
        case WheelFileProblem::NotText: refuse(ProgramText::WheelFileNotText); break;
        case WheelFileProblem::NoBoard: refuse(ProgramText::WheelFileNoBoard); break;
        case WheelFileProblem::TooFewNumbers: refuse(ProgramText::WheelFileTooFewNumbers); break;
    }
    return check.problem;
}

void ExternalWheelsTab::reportError(const std::string& procedure) {
    platform_.message(QStringLiteral("Erreur"), QStringLiteral("Erreur dans ") + QString::fromStdString(procedure),
                      Platform::Buttons::Ok);
}

// --- The actions of the last page ---------------------------------------------------------------

void ExternalWheelsTab::setCommandsEnabled(bool enabled) {
    for (QPushButton* b : {controls_.chooseFile, controls_.print, controls_.printList, controls_.exportList, controls_.compare,
                           controls_.checkWheel, controls_.displayAll})
        b->setEnabled(enabled);
    refreshNavigation();
}

void ExternalWheelsTab::runPass(const std::function<void(LongPass&)>& work) {
    LongPass pass(window(), QString::fromStdString(texts_.programText(ProgramText::Working)),
                  QString::fromStdString(texts_.programText(ProgramText::Cancel)));
    pass.setBeforeEvents([this] { rawModel_->flushRows(); });
    pass_ = &pass;
    setCommandsEnabled(false);
    work(pass);
    pass_ = nullptr;
    setCommandsEnabled(true);
    rawModel_->flushRows();
}

void ExternalWheelsTab::printTickets() {
    if (pass_ != nullptr) return;
    const ExternalWheel wheel = currentWheel();
    if (!acceptWheelFile(wheel, "Pimprimebulletinfichier") || !replacementsAccepted(wheel)) return;
    PrinterSurface surface;
    if (!platform_.choosePrintTarget(surface.printer(), QStringLiteral("Norvex5 - ") + text(kMessageTicketPrintTitle)))
        return;
    const TicketMode mode = controls_.allAtOnce->isChecked() ? TicketMode::AllAtOnce : TicketMode::OneByOne;
    const int model = controls_.modelList->currentIndex() + 1;
    if (!marksFitOrUserGoesOn(platform_, texts_, surface, model, printerOffsets(settings_.parameters))) return;
    PrintResult result;
    runPass([&](LongPass& pass) {
        pass.setTotal(knownBoardCount(wheel));
        TicketHooks hooks;
        hooks.nextTicket = [this] {
            return platform_.message(text(kMessageNextTicket), text(kMessagePrinting), Platform::Buttons::OkCancel,
                                     Platform::Icon::Question) == Platform::Answer::Ok;
        };
        hooks.progress = [this, &pass](std::int64_t done) {
            rawModel_->showProgress(done);
            return pass.step(done);
        };
        hooks.reportError = [this](const std::string& procedure) { reportError(procedure); };
        result = printExternalTickets(surface, wheel, mode, model, printerOffsets(settings_.parameters), hooks);
    });
    rememberBoardCount(wheel, result);
    tellWhatACancelLeft(platform_, texts_, result);
}

void ExternalWheelsTab::printList() {
    if (pass_ != nullptr) return;
    const ExternalWheel wheel = currentWheel();
    if (!acceptWheelFile(wheel, "Pimprimelistebulletinfichier") || !replacementsAccepted(wheel)) return;
    const QString title = text(kMessageExternalListTitle);
    PrinterSurface surface;
    if (!platform_.choosePrintTarget(surface.printer(), QStringLiteral("Norvex5 - ") + title)) return;
    PrintResult result;
    runPass([&](LongPass& pass) {
        pass.setTotal(knownBoardCount(wheel));
        // A Cancel stops the lines and drops the job.
        result = printBoardList(surface, kExternalListStyle, title.toStdString(), [&](const LineSink& sink) {
            std::int64_t done = 0;
            return forEachExternalListLine(wheel, ListOutput::Print,
                                           [&](std::string_view line) { return sink(line) && pass.step(++done); });
        });
        if (!result.pass.ok) reportError("Pimprimelistebulletinfichier");
    });
    rememberBoardCount(wheel, result);
    tellWhatACancelLeft(platform_, texts_, result);
}

std::int64_t ExternalWheelsTab::knownBoardCount(const ExternalWheel& wheel) const {
    return wheel.fileName == countedFile_ && wheel.linesToSkip == countedSkip_ ? countedBoards_ : 0;
}

void ExternalWheelsTab::rememberBoardCount(const ExternalWheel& wheel, const PrintResult& result) {
    if (result.status() != PrintResult::Status::Printed) return;
    countedFile_ = wheel.fileName;
    countedSkip_ = wheel.linesToSkip;
    countedBoards_ = result.pass.count;
}

void ExternalWheelsTab::exportList() {
    if (pass_ != nullptr) return;
    const ExternalWheel wheel = currentWheel();
    if (!acceptWheelFile(wheel, "Pimprimelistebulletinfichier") || !replacementsAccepted(wheel)) return;
    const QString file =
        platform_.saveFileName(exportFileDialog(text(kMessageExportTitle), QStringLiteral("norvex5 (*.txt)")));
    if (file.isEmpty()) return;
    ExportResult result;
    runPass([&](LongPass& pass) {
        result = exportExternalList(wheel, toPath(file), [&](std::int64_t lines) { return pass.step(lines); });
    });
    switch (result.status) {
        case ExportStatus::ReadFailed: reportError("Pimprimelistebulletinfichier"); break;
        // A file that could not be made is said so; the old file, if any, is as it was.
        case ExportStatus::NotCreated:
        case ExportStatus::WriteFailed:
            platform_.message(text(kMessageWriteError), text(kMessageProblemTitle), Platform::Buttons::Ok,
                              Platform::Icon::Warning);
            break;
        case ExportStatus::Written:
        case ExportStatus::Stopped: break;
    }
}

void ExternalWheelsTab::compareWithDraw() {
    if (pass_ != nullptr) return;
    const ExternalWheel wheel = currentWheel();
    if (!acceptWheelFile(wheel, "Pimprimebulletinfichier") || !replacementsAccepted(wheel)) return;
    if (openComparison_) openComparison_(wheel);
}

void ExternalWheelsTab::checkWheel() {
    if (pass_ != nullptr) return;
    const ExternalWheel wheel = currentWheel();
    if (!acceptWheelFile(wheel, "pchargegrille") || !replacementsAccepted(wheel)) return;
    if (openWheelCheck_) openWheelCheck_(wheel);
}

void ExternalWheelsTab::takeWheelFile(const QString& file, const std::vector<std::int32_t>& played) {
    if (pass_ != nullptr) return;
    controls_.fileName->setText(QFileInfo(file).absoluteFilePath());
    controls_.separator->setCurrentIndex(controls_.separator->findText(QStringLiteral(";")));
    controls_.linesToSkip->setCurrentIndex(0);
    for (std::size_t n = 1; n < controls_.gridABoxes.size(); ++n)
        controls_.gridABoxes[n]->setEditText(n <= played.size() ? QString::number(played[n - 1]) : QString::number(n));
    controls_.fromZero->setChecked(true);
    judgeNumbering();
    showPage(1);
}

void ExternalWheelsTab::applyTexts() {
    applyWindowTexts(*this, externalTabTexts(), texts_.messageLookup());
    const auto words = [this](ProgramText t) { return QString::fromStdString(texts_.programText(t)); };
    controls_.checkWheel->setText(words(ProgramText::CheckWheel));
    controls_.fromZero->setText(words(ProgramText::NumbersStartAtZero));
    controls_.separator->setBlankName(words(ProgramText::BlankSeparator));
    showNumbering();
    showReplacedExtent();
}

void ExternalWheelsTab::showReplacedExtent() {
    if (!everyLineShown_) {
        controls_.replacedInfo->setText(text(kMessageFirstLinesShown));
        return;
    }
    controls_.replacedInfo->setText(
        QString::fromStdString(texts_.programText(ProgramText::EveryLineShown)).arg(replacedModel_->rowCount()));
}

void ExternalWheelsTab::displayAll() {
    if (pass_ != nullptr) return;
    const ExternalWheel wheel = currentWheel();
    if (!acceptWheelFile(wheel, "pchargegrille") || !replacementsAccepted(wheel)) return;
    std::shared_ptr<WheelFileIndex> index;
    PassResult indexed;
    runPass([&](LongPass& pass) {
        index = WheelFileIndex::build(wheel, indexed, [&pass](std::int64_t boards) { return pass.step(boards); });
    });
    // The boards found before a failure or a Cancel are shown all the same.
    replacedModel_->setRowSource(index->boardCount(),
                                 [index](std::int64_t row) { return index->row(row, PreviewMode::Replaced); });
    controls_.replacedGrid->scrollToTop();
    everyLineShown_ = indexed.ok;
    showReplacedExtent();
    if (!indexed.ok)
        platform_.message(QString::fromUtf8(kPreviewFailureText.data(), kPreviewFailureText.size()),
                          QString::fromUtf8(kPreviewFailureTitle.data(), kPreviewFailureTitle.size()),
                          Platform::Buttons::Ok);
    emit allDisplayed();
}

}  // namespace norvex5
