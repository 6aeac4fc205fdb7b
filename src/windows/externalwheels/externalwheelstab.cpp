#include "windows/externalwheels/externalwheelstab.h"
#include "windows/common/named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

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
#include "windows/common/pictures.h"
#include "windows/common/platform.h"
#include "windows/common/printersurface.h"
#include "windows/common/printnotices.h"
#include "windows/externalwheels/previewgridmodel.h"

namespace norvex5 {

namespace {

constexpr int kGridColumnWidth = 40;
constexpr int kGridRowHeight = 18;

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption, const QIcon& icon,
                           const QRect& geometry) {
    auto* button = named(new QPushButton(caption, parent), name);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* box = named(new QGroupBox(caption, parent), name);
    box->setGeometry(geometry);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* l = named(new QLabel(caption, parent), name);
    l->setGeometry(geometry);
    return l;
}

// The page control: a tab widget whose tabs are hidden, and which also ignores the keys that
// would page through it (Ctrl+Tab and the like), so that only Previous and Next change pages and
// every page is reached with its preview read.
class PageControl : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

}  // namespace

ExternalWheelsTab::ExternalWheelsTab(AppState& state, Platform& platform, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("externalWheelsTab"));
    setMinimumSize(646, 422);
    // The tab fills the page it is placed on.
    if (parent != nullptr && parent->layout() == nullptr) {
        auto* fill = new QVBoxLayout(parent);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(this);
    }
    rawModel_ = new PreviewGridModel(this);
    replacedModel_ = new PreviewGridModel(this);
    buildControls();
    connectHandlers();
    showPage(1);
}

ExternalWheelsTab::~ExternalWheelsTab() {
    if (pass_ != nullptr) pass_->cancel();
}

// --- The controls -------------------------------------------------------------------------------

void ExternalWheelsTab::buildControls() {
    // The tabs of the page control are hidden: only Previous and Next change pages.
    pages_ = named(new PageControl(this), "Pagecontrolfic");
    pages_->tabBar()->hide();
    pages_->setGeometry(6, 4, 640, 372);
    const char* sheets[kPageCount] = {"tabgsexterne", "TabSheet4", "TabSheet5", "TabSheet6", "TabSheet7"};
    QWidget* page[kPageCount];
    for (int k = 0; k < kPageCount; ++k) {
        page[k] = named(new QWidget, sheets[k]);
        pages_->addTab(page[k], QString());
    }
    buildFilePage(page[0]);
    buildPreviewPage(page[1], "GrilleNumero", "labinfotab2", rawModel_);
    buildReplacementPage(page[2]);
    buildPreviewPage(page[3], "GrilleNumero2", "labinfogrille2", replacedModel_);
    displayAllButton_ = commandButton(page[3], "baffichetous", QStringLiteral("Tout afficher"),
                                      QIcon(loadButtonIcon("view")), {470, 300, 150, 34});
    buildActionPage(page[4]);

    previousButton_ =
        commandButton(this, "bprecedent", QString(), style()->standardIcon(QStyle::SP_ArrowBack), {230, 384, 90, 34});
    previousButton_->setToolTip(QStringLiteral("Précédent"));
    nextButton_ =
        commandButton(this, "bsuivant", QString(), style()->standardIcon(QStyle::SP_ArrowForward), {332, 384, 90, 34});
    nextButton_->setToolTip(QStringLiteral("Suivant"));
}

void ExternalWheelsTab::buildFilePage(QWidget* page) {
    QGroupBox* files = group(page, "gfic", QStringLiteral("Fichiers textes "), {16, 16, 604, 122});
    fileLabel_ = label(files, "labfic", QString(), {12, 26, 580, 24});
    // A sunken strip that shows the whole path of the chosen file, on the page's own colour:
    // white would say it can be typed in, and only the button below chooses the file.
    fileLabel_->setFrameShape(QFrame::Panel);
    fileLabel_->setFrameShadow(QFrame::Sunken);
    fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Shown only for a file that writes its numbers from 0.
    numberingLine_ = label(files, "labnumerozero", QString(), {12, 54, 580, 20});
    numberingLine_->hide();
    chooseFileButton_ = commandButton(files, "bselfic", QStringLiteral("Selectionnez le fichier"),
                                      style()->standardIcon(QStyle::SP_DialogOpenButton), {12, 80, 240, 32});
    fromZeroBox_ = named(new QCheckBox(files), "chnumerozero");
    fromZeroBox_->setGeometry(264, 85, 328, 22);
    fromZeroBox_->setChecked(true);
    fromZeroBox_->hide();

    QLabel* separatorHeading = label(page, "Labseparateur", QStringLiteral("Séparateur"), {16, 158, 300, 20});
    separatorBox_ = named(new QComboBox(page), "Combseparateur");
    separatorBox_->setGeometry(16, 180, 80, 26);
    for (const char* separator : kWheelSeparators) separatorBox_->addItem(QLatin1String(separator));
    // No separator chosen until the user or the file's shape chooses one: read as a blank.
    separatorBox_->setCurrentIndex(-1);
    separatorHeading->setBuddy(separatorBox_);

    QLabel* skipHeading =
        label(page, "labNblignesaute", QStringLiteral("Nombre de lignes à sauter"), {16, 222, 300, 20});
    skipBox_ = named(new QComboBox(page), "combligne");
    skipBox_->setGeometry(16, 244, 80, 26);
    for (int k = 0; k <= kMaxLinesToSkip; ++k) skipBox_->addItem(QString::number(k));
    skipBox_->setCurrentIndex(0);
    skipHeading->setBuddy(skipBox_);
}

void ExternalWheelsTab::buildPreviewPage(QWidget* page, const char* gridName, const char* info,
                                         PreviewGridModel* model) {
    label(page, info, QStringLiteral("Seules les 20 premieres lignes sont affichées dans la grille"), {16, 8, 604, 20});
    auto* grid = named(new QTableView(page), gridName);
    grid->setModel(model);
    // Exactly the eleven columns and the scroll bar.
    const int chrome = 2 * grid->frameWidth() + grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    grid->setGeometry(16, 32, PreviewGridModel::kColumns * kGridColumnWidth + chrome, 260);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setDefaultSectionSize(kGridColumnWidth);
    grid->horizontalHeader()->setFixedHeight(kGridRowHeight);
    // Every row the same height, so a grid of a million rows never measures them.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    // Row numbers of a whole file (a million boards and more) keep all their digits: the first
    // column grows beyond its 40 pixels as far as the largest number needs, and the grid with it.
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto fitNumbers = [grid, model, chrome] {
        const int needed = grid->fontMetrics().horizontalAdvance(QString::number(model->rowCount())) + 8;
        const int first = std::max(kGridColumnWidth, needed);
        grid->setColumnWidth(0, first);
        grid->resize(first + (PreviewGridModel::kColumns - 1) * kGridColumnWidth + chrome, grid->height());
    };
    connect(model, &QAbstractItemModel::modelReset, grid, fitNumbers);
    connect(model, &QAbstractItemModel::rowsInserted, grid, fitNumbers);
    (gridName == std::string_view("GrilleNumero") ? rawGrid_ : replacedGrid_) = grid;
}

void ExternalWheelsTab::buildReplacementPage(QWidget* page) {
    label(page, "labnumerorep", QStringLiteral("Remplacer les numeros"), {16, 8, 604, 20});
    QGroupBox* gridA = group(page, "groupnumero", QString(), {10, 30, 616, 250});
    constexpr int kPitch = 60;
    for (int n = 1; n <= kReplacementGridABoxes; ++n) {
        const int column = (n - 1) % 10;
        const int row = (n - 1) / 10;
        const int left = 10 + column * kPitch;
        const int top = 14 + row * 46;
        auto* caption = named(new QLabel(QString::number(n), gridA), QStringLiteral("labnum%1").arg(n));
        caption->setGeometry(left, top, 52, 16);
        caption->setAlignment(Qt::AlignHCenter);
        QComboBox* box = named(new QComboBox(gridA), QStringLiteral("ComboBoxa%1").arg(n));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setGeometry(left, top + 16, 54, 24);
        box->setProperty("tag", n);
        caption->setBuddy(box);
        gridABoxes_[static_cast<std::size_t>(n)] = box;
    }
    QGroupBox* gridB = group(page, "groupnumerogrilleb", QString(), {10, 284, 616, 62});
    for (int m = 1; m <= kReplacementGridBBoxes; ++m) {
        const int left = 10 + (m - 1) * kPitch;
        auto* caption = named(new QLabel(QString::number(m), gridB), QStringLiteral("labnumb%1").arg(m));
        caption->setGeometry(left, 8, 52, 16);
        caption->setAlignment(Qt::AlignHCenter);
        QComboBox* box = named(new QComboBox(gridB), QStringLiteral("ComboBoxb%1").arg(m));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setGeometry(left, 24, 54, 24);
        box->setProperty("tag", 50 + m);
        box->setEditText(QString::number(m));
        caption->setBuddy(box);
        gridBBoxes_[static_cast<std::size_t>(m)] = box;
    }
}

void ExternalWheelsTab::buildActionPage(QWidget* page) {
    QGroupBox* tickets = group(page, "gimprimebulletin", QStringLiteral("Imprimer les tickets"), {10, 8, 616, 152});
    QLabel* modelHeading = label(tickets, "labtypebulletin", QStringLiteral("Type de ticket"), {12, 24, 300, 18});
    modelList_ = named(new QComboBox(tickets), "combTypebull");
    modelList_->setGeometry(12, 44, 300, 26);
    modelHeading->setBuddy(modelList_);
    // Not sorted: the model is the entry's position plus 1.
    for (const std::string& entry : ticketModelListEntries()) modelList_->addItem(QString::fromStdString(entry));
    modelList_->setCurrentIndex(rememberedModelEntry(state_.parameters.ticketModelIndex, modelList_->count()));
    showEntryTextsOnly(*modelList_);
    fitOpenList(*modelList_);

    QGroupBox* manner = group(tickets, "gtypeimpression", QStringLiteral("Type d'impression"), {330, 18, 274, 80});
    allAtOnce_ = named(new QRadioButton(QStringLiteral("Imprimer tous les tickets"), manner), "bimptsbull");
    allAtOnce_->setGeometry(10, 22, 258, 22);
    allAtOnce_->setChecked(true);
    oneByOne_ = named(new QRadioButton(QStringLiteral("Arrêt après chaque ticket"), manner), "bimpunbull");
    oneByOne_->setGeometry(10, 48, 258, 22);
    printButton_ = commandButton(tickets, "bimprimer", QStringLiteral("Imprimer les tickets"),
                                 QIcon(loadButtonIcon("print")), {12, 106, 300, 36});

    // The export's caption is the longest of the page in every language: its group takes the room.
    QGroupBox* list = group(page, "gimprimeliste", QStringLiteral("Imprimer la liste"), {10, 166, 222, 84});
    printListButton_ = commandButton(list, "bimprimeliste", QStringLiteral("Imprimer la liste"),
                                     QIcon(loadButtonIcon("list")), {12, 30, 198, 40});
    QGroupBox* exported =
        group(page, "gexporteliste", QStringLiteral("Export des combinaisons à jouer dans un fichier texte"),
              {240, 166, 386, 84});
    exportButton_ =
        commandButton(exported, "bexportliste", QStringLiteral("Export des combinaisons à jouer dans un fichier texte"),
                      style()->standardIcon(QStyle::SP_DialogSaveButton), {12, 30, 362, 40});
    QGroupBox* compare =
        group(page, "gsysexternecompare", QStringLiteral("Comparer avec les résultats"), {10, 256, 616, 84});
    compareButton_ = commandButton(compare, "bexternecompare", QStringLiteral("Comparer avec les résultats"),
                                   QIcon(loadButtonIcon("compare")), {12, 30, 300, 40});
    checkWheelButton_ = commandButton(compare, "bverifiersysteme", QStringLiteral("Vérifier le système"),
                                      QIcon(loadButtonIcon("view")), {320, 30, 284, 40});
}

void ExternalWheelsTab::connectHandlers() {
    connect(chooseFileButton_, &QPushButton::clicked, this, &ExternalWheelsTab::chooseFile);
    connect(nextButton_, &QPushButton::clicked, this, &ExternalWheelsTab::showNextPage);
    connect(previousButton_, &QPushButton::clicked, this, &ExternalWheelsTab::showPreviousPage);
    connect(printButton_, &QPushButton::clicked, this, &ExternalWheelsTab::printTickets);
    connect(printListButton_, &QPushButton::clicked, this, &ExternalWheelsTab::printList);
    connect(exportButton_, &QPushButton::clicked, this, &ExternalWheelsTab::exportList);
    connect(compareButton_, &QPushButton::clicked, this, &ExternalWheelsTab::compareWithDraw);
    connect(checkWheelButton_, &QPushButton::clicked, this, &ExternalWheelsTab::checkWheel);
    connect(displayAllButton_, &QPushButton::clicked, this, &ExternalWheelsTab::displayAll);
    connect(fromZeroBox_, &QCheckBox::toggled, this, &ExternalWheelsTab::showNumbering);
    // Another separator or header makes other fields of the file numbers.
    connect(separatorBox_, &QComboBox::currentIndexChanged, this, &ExternalWheelsTab::judgeNumbering);
    connect(skipBox_, &QComboBox::currentIndexChanged, this, &ExternalWheelsTab::judgeNumbering);
    // The main window's start-up shows the first page by the page control itself.
    connect(pages_, &QTabWidget::currentChanged, this, [this] {
        refreshNavigation();
        proposeTicketModel();
    });
    connect(modelList_, &QComboBox::activated, this, [this] { ticketModelPicked_ = true; });
}

QString ExternalWheelsTab::text(int message) const { return QString::fromStdString(state_.message(message)); }

void ExternalWheelsTab::fillReplacementLists() {
    QStringList entries;
    for (int n = 1; n <= kReplacementGridABoxes; ++n) entries << QString::number(n);
    for (int n = 1; n <= kReplacementGridABoxes; ++n) {
        QComboBox* box = gridABoxes_[static_cast<std::size_t>(n)];
        box->clear();
        box->addItems(entries);
        box->setCurrentIndex(n - 1);
    }
}

// --- Pages --------------------------------------------------------------------------------------

int ExternalWheelsTab::page() const { return pages_->currentIndex() + 1; }

void ExternalWheelsTab::startOver() {
    showPage(1);
    if (skipBox_->count() > 0) skipBox_->setCurrentIndex(0);
}

void ExternalWheelsTab::showPage(int page) {
    pages_->setCurrentIndex(page - 1);
    refreshNavigation();
}

void ExternalWheelsTab::refreshNavigation() {
    previousButton_->setEnabled(pass_ == nullptr && page() > 1);
    nextButton_->setEnabled(pass_ == nullptr && page() < kPageCount);
}

void ExternalWheelsTab::proposeTicketModel() {
    // Until a model has been chosen, the last page offers the ticket shown, as the print dialog does.
    if (page() == kPageCount && !state_.ticketModelRemembered && !ticketModelPicked_)
        modelList_->setCurrentIndex(ticketModelForGameType(state_.parameters.gameType) - 1);
}

void ExternalWheelsTab::showNextPage() {
    if (pass_ != nullptr) return;
    const int current = page();
    if (current == 1 && fileLabel_->text().isEmpty()) {
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
    // The rows read before a failure stay, and the page still moves on.
    if (!preview.pass.ok)
        platform_.message(QString::fromUtf8(kPreviewFailureText.data(), kPreviewFailureText.size()),
                          QString::fromUtf8(kPreviewFailureTitle.data(), kPreviewFailureTitle.size()),
                          Platform::Buttons::Ok);
}

// --- The wheel as it stands ---------------------------------------------------------------------

void ExternalWheelsTab::readBoxTexts(GridABoxTexts& gridA, GridBBoxTexts& gridB) const {
    for (int n = 1; n <= kReplacementGridABoxes; ++n)
        gridA[static_cast<std::size_t>(n)] = gridABoxes_[static_cast<std::size_t>(n)]->currentText().toStdString();
    for (int m = 1; m <= kReplacementGridBBoxes; ++m)
        gridB[static_cast<std::size_t>(m)] = gridBBoxes_[static_cast<std::size_t>(m)]->currentText().toStdString();
}

void ExternalWheelsTab::rebuildReplacementMap() {
    GridABoxTexts gridA;
    GridBBoxTexts gridB;
    readBoxTexts(gridA, gridB);
    state_.replacementMap = buildReplacementMap(gridA, gridB, state_.replacementMap);
}

bool ExternalWheelsTab::replacementsAccepted(const ExternalWheel& wheel) {
    GridABoxTexts gridA;
    GridBBoxTexts gridB;
    readBoxTexts(gridA, gridB);
    const UsedWheelNumbers& used = usedNumbers_.numbersOf(wheel);
    const std::optional<ReplacementProblem> problem =
        firstReplacementProblem(gridA, gridB, wheel.map, used.gridA, used.gridB, state_.parameters.highestNumber);
    if (!problem) return true;
    const auto words = [this](ProgramText t) { return QString::fromStdString(state_.programText(t)); };
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
    wheel.fileName = fileLabel_->text().isEmpty() ? std::string() : toPath(fileLabel_->text()).string();
    wheel.separator = separatorBox_->currentText().toStdString();
    wheel.linesToSkip = linesToSkipFromText(skipBox_->currentText().toStdString());
    wheel.map = state_.replacementMap;
    wheel.numberedFromZero = fileWritesZero_ && fromZeroBox_->isChecked();
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
                    QString::fromStdString(state_.programText(ProgramText::AllFiles)) + QStringLiteral(" (*)");
    dialog.pathMustExist = true;
    dialog.fileMustExist = true;
    // The dialog opens where the last chosen file is.
    dialog.initialName = fileLabel_->text();
    const QString file = platform_.openFileName(dialog);
    if (file.isEmpty()) return;
    const QString previousFile = fileLabel_->text();
    const int previousSeparator = separatorBox_->currentIndex();
    const int previousSkip = skipBox_->currentIndex();
    fileLabel_->setText(QFileInfo(file).absoluteFilePath());
    proposeShape();
    // Said now rather than at the first action. A file that is no text is not taken; any other
    // doubt is only said, since the separator and the lines to skip below can still mend it.
    if (sayWheelFileProblem(wheelAsShown(), "pchargegrille") == WheelFileProblem::NotText) {
        const QSignalBlocker keepSeparator(separatorBox_);
        const QSignalBlocker keepSkip(skipBox_);
        fileLabel_->setText(previousFile);
        separatorBox_->setCurrentIndex(previousSeparator);
        skipBox_->setCurrentIndex(previousSkip);
        return;
    }
    fromZeroBox_->setChecked(true);
    judgeNumbering();
}

void ExternalWheelsTab::judgeNumbering() {
    if (pass_ != nullptr) return;
    ExternalWheel asWritten = wheelAsShown();
    asWritten.numberedFromZero = false;
    fileWritesZero_ = !fileLabel_->text().isEmpty() && numbersStartAtZero(usedNumbers_.numbersOf(asWritten));
    showNumbering();
}

void ExternalWheelsTab::showNumbering() {
    numberingLine_->setVisible(fileWritesZero_);
    fromZeroBox_->setVisible(fileWritesZero_);
    numberingLine_->setText(QString::fromStdString(
        state_.programText(fromZeroBox_->isChecked() ? ProgramText::ReadFromZero : ProgramText::ReadAsWritten)));
}

void ExternalWheelsTab::proposeShape() {
    const std::optional<FileShape> shape = guessFileShape(toPath(fileLabel_->text()).string());
    if (!shape) return;
    // The numbering is judged once the whole shape is in place.
    const QSignalBlocker keepSeparator(separatorBox_);
    const QSignalBlocker keepSkip(skipBox_);
    separatorBox_->setCurrentIndex(separatorBox_->findText(QString::fromStdString(shape->separator)));
    skipBox_->setCurrentIndex(shape->linesToSkip);
}

bool ExternalWheelsTab::acceptWheelFile(const ExternalWheel& wheel, const char* procedure) {
    return sayWheelFileProblem(wheel, procedure) == WheelFileProblem::None;
}

WheelFileProblem ExternalWheelsTab::sayWheelFileProblem(const ExternalWheel& wheel, const char* procedure) {
    const WheelFileCheck check = checkWheelFile(wheel);
    const QString file = QString::fromStdString(wheel.fileName);
    const auto refuse = [&](ProgramText words) {
        const QString sentence = QString::fromStdString(state_.programText(words));
        // Both at once, so that a "%2" in the file's name stays as it is.
        const QString said = words == ProgramText::WheelFileTooFewNumbers
                                 ? sentence.arg(file, separatorBox_->currentText())
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
    for (QPushButton* b : {chooseFileButton_, printButton_, printListButton_, exportButton_, compareButton_,
                           checkWheelButton_, displayAllButton_})
        b->setEnabled(enabled);
    refreshNavigation();
}

void ExternalWheelsTab::runPass(const std::function<void(LongPass&)>& work) {
    LongPass pass(window(), QString::fromStdString(state_.programText(ProgramText::Working)),
                  QString::fromStdString(state_.programText(ProgramText::Cancel)));
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
    const TicketMode mode = allAtOnce_->isChecked() ? TicketMode::AllAtOnce : TicketMode::OneByOne;
    const int model = modelList_->currentIndex() + 1;
    if (!marksFitOrUserGoesOn(platform_, state_, surface, model, printerOffsets(state_.parameters))) return;
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
        result = printExternalTickets(surface, wheel, mode, model, printerOffsets(state_.parameters), hooks);
    });
    rememberBoardCount(wheel, result);
    tellWhatACancelLeft(platform_, state_, result);
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
    tellWhatACancelLeft(platform_, state_, result);
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
    fileLabel_->setText(QFileInfo(file).absoluteFilePath());
    separatorBox_->setCurrentIndex(separatorBox_->findText(QStringLiteral(";")));
    skipBox_->setCurrentIndex(0);
    for (std::size_t n = 1; n < gridABoxes_.size(); ++n)
        gridABoxes_[n]->setEditText(n <= played.size() ? QString::number(played[n - 1]) : QString::number(n));
    fromZeroBox_->setChecked(true);
    judgeNumbering();
    showPage(1);
}

void ExternalWheelsTab::applyProgramTexts() {
    checkWheelButton_->setText(QString::fromStdString(state_.programText(ProgramText::CheckWheel)));
    fromZeroBox_->setText(QString::fromStdString(state_.programText(ProgramText::NumbersStartAtZero)));
    showNumbering();
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
    if (!indexed.ok)
        platform_.message(QString::fromUtf8(kPreviewFailureText.data(), kPreviewFailureText.size()),
                          QString::fromUtf8(kPreviewFailureTitle.data(), kPreviewFailureTitle.size()),
                          Platform::Buttons::Ok);
    emit allDisplayed();
}

}  // namespace norvex5
