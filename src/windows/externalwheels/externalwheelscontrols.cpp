#include "windows/externalwheels/externalwheelscontrols.h"
#include "windows/common/named.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "externalwheels/fileshape.h"
#include "localisation/messagenumbers.h"
#include "output/ticketlayouts.h"
#include "windows/common/pictures.h"
#include "windows/externalwheels/previewgridmodel.h"

namespace norvex5 {

namespace {

constexpr auto kCaption = WindowText::Field::Caption;
constexpr auto kHint = WindowText::Field::Hint;

constexpr WindowText kExternalTabTexts[] = {
    {"gsysexternecompare", kCaption, kMessageCompareWithDraw},
    {"bexternecompare", kCaption, kMessageCompareWithDraw},
    {"gimprimebulletin", kCaption, kMessageTicketPrintTitle},
    {"bimprimer", kCaption, kMessageTicketPrintTitle},
    {"gfic", kCaption, kMessageTextFiles},
    {"bselfic", kCaption, kMessageSelectFile},
    {"Labseparateur", kCaption, kMessageSeparator},
    {"labNblignesaute", kCaption, kMessageLinesToSkip},
    {"labinfotab2", kCaption, kMessageFirstLinesShown},
    {"labinfogrille2", kCaption, kMessageFirstLinesShown},
    {"labnumerorep", kCaption, kMessageReplaceNumbers},
    {"bprecedent", kHint, kMessagePrevious},
    {"bsuivant", kHint, kMessageNext},
    {"baffichetous", kCaption, kMessageDisplayAll},
    {"gtypeimpression", kCaption, kMessagePrintingType},
    {"bimptsbull", kCaption, kMessagePrintAllTickets},
    {"bimpunbull", kCaption, kMessagePrintOneTicketAtATime},
    {"gimprimeliste", kCaption, kMessagePrintList},
    {"bimprimeliste", kCaption, kMessagePrintList},
    {"gexporteliste", kCaption, kMessageExportList},
    {"bexportliste", kCaption, kMessageExportList},
    {"labtypebulletin", kCaption, kMessageTicketType},
};

constexpr int kGridColumnWidth = 40;
constexpr int kGridRowHeight = 18;
// The rows a grid's columns are measured on: the preview's twenty, or the first of a whole file.
constexpr int kMeasuredRows = 20;
constexpr int kCellPadding = 12;

// The page control: a tab widget whose tabs are hidden, and which also ignores the keys that
// would page through it (Ctrl+Tab and the like), so that only Previous and Next change pages and
// every page is reached with its preview read.
class PageControl : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

// The open separator list names the blank as the closed box does.
class SeparatorDelegate : public QStyledItemDelegate {
public:
    explicit SeparatorDelegate(SeparatorBox* box) : QStyledItemDelegate(box), box_(box) {}
    QString displayText(const QVariant& value, const QLocale&) const override {
        return box_->shownText(value.toString());
    }

private:
    SeparatorBox* box_;
};

QPushButton* commandButton(QWidget* parent, const char* name, const QIcon& icon) {
    auto* button = named(new QPushButton(parent), name);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setMinimumHeight(34);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* group(QWidget* parent, const char* name) { return named(new QGroupBox(parent), name); }

// A control at its natural width at the left of a row.
QHBoxLayout* leftAligned(QWidget* control) {
    auto* row = new QHBoxLayout;
    row->addWidget(control);
    row->addStretch();
    return row;
}

}  // namespace

SeparatorBox::SeparatorBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new SeparatorDelegate(this));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void SeparatorBox::setBlankName(const QString& name) {
    blankName_ = name;
    setMinimumContentsLength(static_cast<int>(std::max<qsizetype>(name.size(), 3)));
    update();
}

QString SeparatorBox::shownText(const QString& entry) const { return entry == QLatin1String(" ") ? blankName_ : entry; }

QString SeparatorBox::shownText() const { return currentIndex() < 0 ? QString() : shownText(currentText()); }

void SeparatorBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = shownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void fitPreviewColumns(QTableView& grid) {
    const QAbstractItemModel* model = grid.model();
    const QFontMetrics metrics = grid.fontMetrics();
    const int measured = std::min(model->rowCount(), kMeasuredRows);
    int total = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        int width = kGridColumnWidth;
        for (int row = 0; row < measured; ++row)
            width = std::max(width, metrics.horizontalAdvance(model->index(row, column).data().toString()) + kCellPadding);
        // The last row's number, which may be a million rows down.
        if (column == 0)
            width = std::max(width, metrics.horizontalAdvance(QString::number(model->rowCount())) + kCellPadding);
        grid.setColumnWidth(column, width);
        total += width;
    }
    // The grid is no wider than its columns; a page too narrow for them scrolls them.
    grid.setMaximumWidth(total + 2 * grid.frameWidth() + grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

std::span<const WindowText> externalTabTexts() { return kExternalTabTexts; }

void ExternalWheelsControls::build(QWidget& tab, PreviewGridModel& raw, PreviewGridModel& replaced) {
    pages = named(new PageControl(&tab), "Pagecontrolfic");
    pages->tabBar()->hide();
    const char* sheets[kPageCount] = {"tabgsexterne", "TabSheet4", "TabSheet5", "TabSheet6", "TabSheet7"};
    QWidget* page[kPageCount];
    for (int k = 0; k < kPageCount; ++k) {
        page[k] = named(new QWidget, sheets[k]);
        pages->addTab(page[k], QString());
    }
    buildFilePage(page[0]);
    rawGrid = buildPreviewPage(page[1], "GrilleNumero", "labinfotab2", rawInfo, raw);
    buildReplacementPage(page[2]);
    replacedGrid = buildPreviewPage(page[3], "GrilleNumero2", "labinfogrille2", replacedInfo, replaced);
    displayAll = commandButton(page[3], "baffichetous", QIcon(loadButtonIcon("view")));
    auto* underGrid = new QHBoxLayout;
    underGrid->addStretch();
    underGrid->addWidget(displayAll);
    static_cast<QVBoxLayout*>(page[3]->layout())->addLayout(underGrid);
    buildActionPage(page[4]);

    previous = commandButton(&tab, "bprecedent", tab.style()->standardIcon(QStyle::SP_ArrowBack));
    next = commandButton(&tab, "bsuivant", tab.style()->standardIcon(QStyle::SP_ArrowForward));
    for (QPushButton* button : {previous, next}) button->setMinimumWidth(90);
    auto* steps = new QHBoxLayout;
    steps->addStretch();
    steps->addWidget(previous);
    steps->addSpacing(12);
    steps->addWidget(next);
    steps->addStretch();

    auto* column = new QVBoxLayout(&tab);
    column->setContentsMargins(6, 4, 6, 8);
    column->setSpacing(8);
    column->addWidget(pages, 1);
    column->addLayout(steps);
}

void ExternalWheelsControls::buildFilePage(QWidget* page) {
    QGroupBox* files = group(page, "gfic");
    fileName = named(new QLabel(files), "labfic");
    // A sunken strip that shows the whole path of the chosen file, on the page's own colour:
    // white would say it can be typed in, and only the button below chooses the file.
    fileName->setFrameShape(QFrame::Panel);
    fileName->setFrameShadow(QFrame::Sunken);
    fileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileName->setMinimumHeight(24);
    numberingLine = named(new QLabel(files), "labnumerozero");
    numberingLine->hide();
    chooseFile = commandButton(files, "bselfic", files->style()->standardIcon(QStyle::SP_DialogOpenButton));
    chooseFile->setMinimumWidth(240);
    fromZero = named(new QCheckBox(files), "chnumerozero");
    fromZero->setChecked(true);
    fromZero->hide();
    auto* choice = new QHBoxLayout;
    choice->addWidget(chooseFile);
    choice->addSpacing(12);
    choice->addWidget(fromZero);
    choice->addStretch();
    auto* fileLines = new QVBoxLayout(files);
    fileLines->addWidget(fileName);
    fileLines->addWidget(numberingLine);
    fileLines->addLayout(choice);

    auto* separatorHeading = named(new QLabel(page), "Labseparateur");
    separator = named(new SeparatorBox(page), "Combseparateur");
    for (const char* entry : kWheelSeparators) separator->addItem(QLatin1String(entry));
    // No separator chosen until the user or the file's shape chooses one: read as a blank.
    separator->setCurrentIndex(-1);
    separatorHeading->setBuddy(separator);

    auto* skipHeading = named(new QLabel(page), "labNblignesaute");
    linesToSkip = named(new QComboBox(page), "combligne");
    for (int k = 0; k <= kMaxLinesToSkip; ++k) linesToSkip->addItem(QString::number(k));
    linesToSkip->setCurrentIndex(0);
    linesToSkip->setMinimumWidth(80);
    skipHeading->setBuddy(linesToSkip);

    auto* lines = new QVBoxLayout(page);
    lines->setContentsMargins(16, 16, 16, 16);
    lines->addWidget(files);
    lines->addSpacing(14);
    lines->addWidget(separatorHeading);
    lines->addLayout(leftAligned(separator));
    lines->addSpacing(14);
    lines->addWidget(skipHeading);
    lines->addLayout(leftAligned(linesToSkip));
    lines->addStretch();
}

QTableView* ExternalWheelsControls::buildPreviewPage(QWidget* page, const char* gridName, const char* infoName,
                                                     QLabel*& info, PreviewGridModel& model) {
    info = named(new QLabel(page), infoName);
    auto* grid = named(new QTableView(page), gridName);
    grid->setModel(&model);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setDefaultSectionSize(kGridColumnWidth);
    grid->horizontalHeader()->setFixedHeight(kGridRowHeight);
    // Every row the same height, so a grid of a million rows never measures them.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->setMinimumSize(200, 160);
    // As wide as its columns (fitPreviewColumns sets the most), at the left of the page.
    grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    fitPreviewColumns(*grid);
    const auto fit = [grid] { fitPreviewColumns(*grid); };
    QObject::connect(&model, &QAbstractItemModel::modelReset, grid, fit);
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, grid, fit);

    auto* lines = new QVBoxLayout(page);
    lines->setContentsMargins(16, 8, 16, 12);
    lines->addWidget(info);
    // The grid takes the width of its columns first; what is left stays empty at its right.
    auto* row = new QHBoxLayout;
    row->addWidget(grid, 1);
    row->addStretch(0);
    lines->addLayout(row, 1);
    return grid;
}

void ExternalWheelsControls::buildReplacementPage(QWidget* page) {
    auto* heading = named(new QLabel(page), "labnumerorep");
    // A box's caption is its wheel number, the same in every language.
    const auto addBox = [](QGroupBox* group, QGridLayout* grid, const QString& labelName, const QString& boxName,
                           int number, int cell, int tag) {
        auto* caption = named(new QLabel(QString::number(number), group), labelName);
        caption->setAlignment(Qt::AlignHCenter);
        auto* box = named(new QComboBox(group), boxName);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setProperty("tag", tag);
        box->setMinimumWidth(54);
        caption->setBuddy(box);
        grid->addWidget(caption, 2 * (cell / 10), cell % 10);
        grid->addWidget(box, 2 * (cell / 10) + 1, cell % 10);
        return box;
    };
    QGroupBox* gridA = group(page, "groupnumero");
    auto* gridALayout = new QGridLayout(gridA);
    gridALayout->setVerticalSpacing(2);
    for (int n = 1; n <= kGridABoxes; ++n)
        gridABoxes[static_cast<std::size_t>(n)] = addBox(gridA, gridALayout, QStringLiteral("labnum%1").arg(n),
                                                         QStringLiteral("ComboBoxa%1").arg(n), n, n - 1, n);
    QGroupBox* gridB = group(page, "groupnumerogrilleb");
    auto* gridBLayout = new QGridLayout(gridB);
    gridBLayout->setVerticalSpacing(2);
    for (int m = 1; m <= kGridBBoxes; ++m) {
        QComboBox* box = addBox(gridB, gridBLayout, QStringLiteral("labnumb%1").arg(m),
                                QStringLiteral("ComboBoxb%1").arg(m), m, m - 1, 50 + m);
        box->setEditText(QString::number(m));
        gridBBoxes[static_cast<std::size_t>(m)] = box;
    }
    // Grid B's tenth place stays empty, so its boxes line up under grid A's.
    gridBLayout->setColumnStretch(kGridBBoxes, 1);
    gridBLayout->setColumnMinimumWidth(kGridBBoxes, 54);

    auto* lines = new QVBoxLayout(page);
    lines->setContentsMargins(10, 8, 10, 8);
    lines->setSpacing(4);
    lines->addWidget(heading);
    lines->addWidget(gridA);
    lines->addWidget(gridB);
    lines->addStretch();
}

void ExternalWheelsControls::buildActionPage(QWidget* page) {
    QGroupBox* tickets = group(page, "gimprimebulletin");
    auto* modelHeading = named(new QLabel(tickets), "labtypebulletin");
    modelList = named(new QComboBox(tickets), "combTypebull");
    // Its entries carry their model number behind 300 blanks: the box is as wide as a name needs.
    modelList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    modelList->setMinimumContentsLength(24);
    modelHeading->setBuddy(modelList);
    QGroupBox* manner = group(tickets, "gtypeimpression");
    allAtOnce = named(new QRadioButton(manner), "bimptsbull");
    allAtOnce->setChecked(true);
    oneByOne = named(new QRadioButton(manner), "bimpunbull");
    auto* manners = new QVBoxLayout(manner);
    manners->addWidget(allAtOnce);
    manners->addWidget(oneByOne);
    print = commandButton(tickets, "bimprimer", QIcon(loadButtonIcon("print")));
    auto* ticketGrid = new QGridLayout(tickets);
    ticketGrid->setHorizontalSpacing(16);
    ticketGrid->addWidget(modelHeading, 0, 0);
    ticketGrid->addWidget(modelList, 1, 0);
    ticketGrid->addWidget(print, 3, 0);
    ticketGrid->addWidget(manner, 0, 1, 3, 1, Qt::AlignTop);
    ticketGrid->setRowMinimumHeight(2, 6);
    ticketGrid->setColumnStretch(0, 1);
    ticketGrid->setColumnStretch(1, 1);

    // Each group holds one button under the same words.
    const auto buttonGroup = [page](const char* groupName, const char* buttonName, const QIcon& icon,
                                    QPushButton*& button) {
        QGroupBox* box = group(page, groupName);
        button = commandButton(box, buttonName, icon);
        auto* inside = new QHBoxLayout(box);
        inside->addWidget(button);
        return box;
    };
    QGroupBox* list = buttonGroup("gimprimeliste", "bimprimeliste", QIcon(loadButtonIcon("list")), printList);
    QGroupBox* exported = buttonGroup("gexporteliste", "bexportliste",
                                      page->style()->standardIcon(QStyle::SP_DialogSaveButton), exportList);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list);
    listRow->addWidget(exported, 1);

    QGroupBox* comparing = group(page, "gsysexternecompare");
    compare = commandButton(comparing, "bexternecompare", QIcon(loadButtonIcon("compare")));
    checkWheel = commandButton(comparing, "bverifiersysteme", QIcon(loadButtonIcon("view")));
    auto* compareRow = new QHBoxLayout(comparing);
    compareRow->addWidget(compare, 1);
    compareRow->addWidget(checkWheel, 1);

    auto* lines = new QVBoxLayout(page);
    lines->setContentsMargins(10, 8, 10, 8);
    lines->addWidget(tickets);
    lines->addLayout(listRow);
    lines->addWidget(comparing);
    lines->addStretch();
}

}  // namespace norvex5
