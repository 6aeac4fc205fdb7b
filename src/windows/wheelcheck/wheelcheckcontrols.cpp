#include "windows/wheelcheck/wheelcheckcontrols.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QTableWidget>
#include <algorithm>

#include "windows/common/closerow.h"
#include "windows/common/named.h"
#include "windows/common/windowfont.h"
#include "windows/wheelcheck/filterpanel.h"
#include "windows/wheelcheck/holelistmodel.h"
#include "windows/wheelcheck/winchart.h"

namespace norvex5 {

using workshop::kBoardSize;

namespace {

// Room around a title in a header section, beside the text itself.
constexpr int kHeaderMargin = 12;

// The header as high as its longest title needs, wrapped in its column as it is now wide: a
// title of three lines in one language is not cut to two.
void fitHeaderToTitles(QTableWidget& table) {
    QHeaderView* header = table.horizontalHeader();
    const QFontMetrics metrics = header->fontMetrics();
    int most = 2 * metrics.height();
    for (int column = 0; column < table.columnCount(); ++column) {
        const QTableWidgetItem* title = table.horizontalHeaderItem(column);
        const int width = header->sectionSize(column) - kHeaderMargin;
        if (title == nullptr || width <= 0) continue;
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, width, 100 * metrics.height()),
                                                   Qt::AlignCenter | Qt::TextWordWrap, title->text());
        most = std::max(most, wrapped.height());
    }
    header->setFixedHeight(most + kHeaderMargin);
}

// Columns that share the table's width, their titles wrapped onto as many lines as they need.
void fitColumnsToWidth(QTableWidget& table) {
    QHeaderView* header = table.horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setDefaultAlignment(static_cast<Qt::Alignment>(Qt::AlignCenter | Qt::TextWordWrap));
    QObject::connect(header, &QHeaderView::sectionResized, &table, [&table] { fitHeaderToTitles(table); });
    fitHeaderToTitles(table);
}

}  // namespace

void WheelCheckControls::build(QDialog& window) {
    setUpDialog(window, "FormVerif");
    window.setWindowFlag(Qt::WindowMaximizeButtonHint);
    QVBoxLayout* column = dialogColumn(window);
    summary = named(new QLabel(&window), "LabelSysteme");
    summary->setWordWrap(true);
    column->addWidget(summary);

    auto* filterRow = new QHBoxLayout;
    filterPanel = new FilterPanel(&window);
    filterRow->addWidget(filterPanel);
    dropFailing = named(new QCheckBox(&window), "CaseRetirerGrilles");
    filterRow->addWidget(dropFailing, 0, Qt::AlignTop);
    filterRow->addStretch(1);
    column->addLayout(filterRow);

    auto* top = new QHBoxLayout;
    matrix = named(new QTableWidget(kGuaranteeCells, kGuaranteeCells, &window), "GrilleGaranties");
    matrix->setSelectionMode(QAbstractItemView::SingleSelection);
    matrix->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The columns share the width and a long cell wraps onto a second line, so that no language
    // needs a horizontal scroll bar to show the last column.
    matrix->setWordWrap(true);
    fitColumnsToWidth(*matrix);
    matrix->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    top->addWidget(matrix, 3);

    auto* holeColumn = new QVBoxLayout;
    holesTitle = named(new QLabel(&window), "LabelTrous");
    holeColumn->addWidget(holesTitle);
    holes = new HoleListModel(&window);
    holeList = named(new QListView(&window), "ListeTrous");
    holeList->setUniformItemSizes(true);  // the view never asks every row for its size
    holeList->setModel(holes);
    holeColumn->addWidget(holeList);
    top->addLayout(holeColumn, 2);
    column->addLayout(top);

    winTitle = named(new QLabel(&window), "LabelGains");
    column->addWidget(winTitle);
    auto* bottom = new QHBoxLayout;
    winTable = named(new QTableWidget(kBoardSize + 1, kBoardSize + 3, &window), "TableGains");
    winTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    winTable->verticalHeader()->hide();
    winTable->setWordWrap(false);  // a share is one line, whatever its column
    fitColumnsToWidth(*winTable);
    // The first two titles are single long words in some languages: those columns take their
    // full width, the six that follow share the rest.
    winTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    winTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    bottom->addWidget(winTable, 2);
    chart = named(new WinChart(&window), "GraphiqueGains");
    bottom->addWidget(chart, 1);
    column->addLayout(bottom);
    close = addCloseRow(window, *column);
    window.resize(1060, 760);
}

void WheelCheckControls::fitHeadersToTitles() {
    fitHeaderToTitles(*matrix);
    fitHeaderToTitles(*winTable);
}

}  // namespace norvex5
