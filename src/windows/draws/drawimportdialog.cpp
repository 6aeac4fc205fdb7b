#include "windows/draws/drawimportdialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>

#include "core/appstate.h"
#include "draws/drawstore.h"
#include "draws/drawtext.h"
#include "windows/common/closerow.h"
#include "windows/common/drawhistory.h"
#include "windows/common/longpass.h"
#include "windows/common/named.h"
#include "windows/common/platform.h"
#include "windows/common/windowfont.h"
#include "windows/draws/tableitems.h"

namespace norvex5 {

using draws::DateOrder;
using draws::DrawFileProblem;
using draws::DrawFileShape;

namespace {

// The separators operators' files use; a blank and a tab shown by a sign, as they would not show.
struct SeparatorEntry {
    const char* shown;
    char separator;
};
constexpr SeparatorEntry kSeparators[] = {{";", ';'}, {",", ','}, {"|", '|'}, {"\u2423", ' '}, {"\u21e5", '\t'}};
constexpr int kHighestColumn = 200;

QString columnsText(const std::vector<int>& columns) {
    QStringList parts;
    for (const int column : columns) parts << QString::number(column);
    return parts.join(QLatin1Char(' '));
}

// "5 6 7 8 9", "5,6,7,8,9" or "2": the columns typed, each 1..kHighestColumn; blanks and commas
// between them.
std::vector<int> typedColumns(const QString& typed) {
    std::vector<int> columns;
    for (const QString& part : typed.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int column = part.toInt(&ok);
        if (ok && column >= 1 && column <= kHighestColumn) columns.push_back(column);
    }
    return columns;
}

}  // namespace

void DrawImportControls::build(QDialog& dialog) {
    auto* column = dialogColumn(dialog);
    auto* fileRow = new QHBoxLayout;
    fileName = named(new QLabel(&dialog), "LabelFichierTirages");
    fileName->setWordWrap(true);
    fileRow->addWidget(fileName, 1);
    chooseFile = named(new QPushButton(&dialog), "bChoisirFichier");
    fileRow->addWidget(chooseFile);
    column->addLayout(fileRow);

    // Two columns of guesses; a longer language widens the captions, never clips them.
    auto* guesses = new QHBoxLayout;
    auto* left = new QFormLayout;
    auto* right = new QFormLayout;
    for (QFormLayout* form : {left, right}) form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    separatorCaption = new QLabel(&dialog);
    separator = named(new QComboBox(&dialog), "ComboSeparateur");
    for (const SeparatorEntry& entry : kSeparators)
        separator->addItem(QString::fromUtf8(entry.shown), QVariant(static_cast<int>(entry.separator)));
    left->addRow(separatorCaption, separator);
    headerCaption = new QLabel(&dialog);
    headerLines = named(new QSpinBox(&dialog), "SpinEntete");
    headerLines->setRange(0, 99);
    left->addRow(headerCaption, headerLines);
    dateColumnCaption = new QLabel(&dialog);
    dateColumn = named(new QSpinBox(&dialog), "SpinColonneDate");
    dateColumn->setRange(1, kHighestColumn);
    left->addRow(dateColumnCaption, dateColumn);
    dateOrderCaption = new QLabel(&dialog);
    dateOrder = named(new QComboBox(&dialog), "ComboOrdreDate");
    for (const DateOrder order : {DateOrder::Undecided, DateOrder::DayMonthYear, DateOrder::MonthDayYear,
                                  DateOrder::YearMonthDay})
        dateOrder->addItem(QString(), QVariant(static_cast<int>(order)));
    right->addRow(dateOrderCaption, dateOrder);
    numbersCaption = new QLabel(&dialog);
    numberColumns = named(new QLineEdit(&dialog), "EditColonnesNumeros");
    right->addRow(numbersCaption, numberColumns);
    bonusCaption = new QLabel(&dialog);
    bonusColumns = named(new QLineEdit(&dialog), "EditColonnesComplementaires");
    right->addRow(bonusCaption, bonusColumns);
    guesses->addLayout(left, 1);
    guesses->addSpacing(16);
    guesses->addLayout(right, 1);
    column->addLayout(guesses);

    fileColumns = named(new QLabel(&dialog), "LabelColonnes");
    fileColumns->setWordWrap(true);
    fileColumns->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(fileColumns);
    previewTitle = named(new QLabel(&dialog), "LabelApercu");
    column->addWidget(previewTitle);
    preview = named(new QTableWidget(0, 4, &dialog), "GrilleApercu");
    preview->verticalHeader()->hide();
    preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    preview->horizontalHeader()->setStretchLastSection(true);
    preview->setFont(fixedPitchListFont());
    column->addWidget(preview, 3);
    summary = named(new QPlainTextEdit(&dialog), "TexteResume");
    summary->setReadOnly(true);
    summary->setMaximumBlockCount(100000);
    column->addWidget(summary, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    importButton = named(new QPushButton(&dialog), "bImporterTirages");
    importButton->setAutoDefault(false);
    buttons->addWidget(importButton);
    column->addLayout(buttons);
    close = addCloseRow(dialog, *column);
    dialog.resize(760, 620);
}

DrawImportDialog::DrawImportDialog(const Texts& texts, Platform& platform, DrawHistory& history, QWidget* parent)
    : QDialog(parent), texts_(texts), platform_(platform), history_(history) {
    setUpDialog(*this, "FormImportTirages");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    controls_.build(*this);
    connectHandlers();
    applyTexts();
    clearFile();
}

void DrawImportDialog::connectHandlers() {
    const DrawImportControls& c = controls_;
    connect(c.chooseFile, &QPushButton::clicked, this, &DrawImportDialog::chooseFile);
    connect(c.importButton, &QPushButton::clicked, this, &DrawImportDialog::importFile);
    connect(c.separator, &QComboBox::currentIndexChanged, this, &DrawImportDialog::showPreview);
    connect(c.dateOrder, &QComboBox::currentIndexChanged, this, &DrawImportDialog::showPreview);
    connect(c.headerLines, &QSpinBox::valueChanged, this, &DrawImportDialog::showPreview);
    connect(c.dateColumn, &QSpinBox::valueChanged, this, &DrawImportDialog::showPreview);
    connect(c.numberColumns, &QLineEdit::editingFinished, this, &DrawImportDialog::showPreview);
    connect(c.bonusColumns, &QLineEdit::editingFinished, this, &DrawImportDialog::showPreview);
}

QString DrawImportDialog::text(ProgramText which) const { return QString::fromStdString(texts_.programText(which)); }

void DrawImportDialog::applyTexts() {
    const DrawImportControls& c = controls_;
    setWindowTitle(text(ProgramText::ImportTitle));
    c.chooseFile->setText(text(ProgramText::ChooseFile));
    c.separatorCaption->setText(text(ProgramText::FileSeparator));
    c.headerCaption->setText(text(ProgramText::HeaderLines));
    c.dateColumnCaption->setText(text(ProgramText::DateColumn));
    c.dateOrderCaption->setText(text(ProgramText::DateOrderCaption));
    const ProgramText orders[] = {ProgramText::DateOrderGuessed, ProgramText::DateOrderDayMonth,
                                  ProgramText::DateOrderMonthDay, ProgramText::DateOrderYearFirst};
    for (int k = 0; k < 4; ++k) c.dateOrder->setItemText(k, text(orders[k]));
    c.numbersCaption->setText(text(ProgramText::NumberColumns));
    c.bonusCaption->setText(text(ProgramText::BonusColumns));
    c.previewTitle->setText(text(ProgramText::PreviewOfDraws).arg(kPreviewDraws));
    c.preview->setHorizontalHeaderLabels({text(ProgramText::DrawLine), text(ProgramText::DrawDate),
                                          text(ProgramText::DrawNumbers), text(ProgramText::BonusColumns)});
    c.importButton->setText(text(ProgramText::ImportDraws).remove(QChar(0x2026)));
    c.close->setText(text(ProgramText::Close));
}

void DrawImportDialog::openAndChooseFile() {
    applyTexts();
    clearFile();
    show();
    raise();
    chooseFile();
}

void DrawImportDialog::clearFile() {
    file_.clear();
    guessed_ = {};
    controls_.fileName->clear();
    controls_.fileColumns->clear();
    controls_.preview->setRowCount(0);
    controls_.summary->clear();
    controls_.importButton->setEnabled(false);
}

void DrawImportDialog::chooseFile() {
    Platform::FileDialog dialog;
    dialog.title = text(ProgramText::ImportTitle);
    dialog.filter = text(ProgramText::DrawFileFilter) + QStringLiteral(";;") + text(ProgramText::AllFiles);
    dialog.fileMustExist = true;
    const QString file = platform_.openFileName(dialog);
    if (!file.isEmpty()) loadFile(file);
}

bool DrawImportDialog::tellProblem(DrawFileProblem problem, const std::string& readerError, std::int64_t line) {
    QString message;
    switch (problem) {
        case DrawFileProblem::None:
        case DrawFileProblem::DatesUndecided: return false;
        case DrawFileProblem::Unreadable:
            message = text(ProgramText::DrawFileUnreadable).arg(file_, QString::fromStdString(readerError));
            break;
        case DrawFileProblem::NotText: message = text(ProgramText::DrawFileNotText).arg(file_); break;
        case DrawFileProblem::NoDraw: message = text(ProgramText::DrawFileNoDraw).arg(file_); break;
        case DrawFileProblem::TooLarge:
            message = text(ProgramText::DrawFileTooLarge).arg(file_).arg(draws::kMaxDrawFileBytes >> 20);
            break;
        case DrawFileProblem::LineTooLong:
            message = text(ProgramText::DrawFileLineTooLong).arg(file_).arg(line).arg(draws::kMaxDrawLineLength);
            break;
    }
    platform_.message(message, text(ProgramText::ImportTitle), Platform::Buttons::Ok, Platform::Icon::Warning);
    return true;
}

bool DrawImportDialog::loadFile(const QString& file) {
    clearFile();
    file_ = file;
    const draws::DrawShapeGuess guess = draws::guessDrawFileShape(file.toStdString(), history_.highestNumber());
    if (tellProblem(guess.problem, guess.readerError, guess.problemLine)) {
        clearFile();
        return false;
    }
    guessed_ = guess.shape;
    if (guessed_.dateOrder == DateOrder::Undecided) guessed_.dateOrder = decideDateOrder(guessed_);
    controls_.fileName->setText(file);
    showShape(guessed_);
    controls_.importButton->setEnabled(true);
    showPreview();
    return true;
}

DateOrder DrawImportDialog::decideDateOrder(DrawFileShape shape) {
    // The first lines left it open; a day above 12 further down may still tell.
    const draws::DrawFileReading whole = draws::readDrawFile(file_.toStdString(), shape, history_.highestNumber());
    if (whole.problem != DrawFileProblem::DatesUndecided) return whole.dateOrder;
    QString example;
    const draws::DrawFileReading first = [&] {
        shape.dateOrder = DateOrder::DayMonthYear;
        return draws::readDrawFile(file_.toStdString(), shape, history_.highestNumber(), 1);
    }();
    if (!first.draws.empty()) {
        const draws::CalendarDate& d = first.draws.front().date;
        example = QStringLiteral("%1/%2/%3")
                      .arg(d.day, 2, 10, QLatin1Char('0'))
                      .arg(d.month, 2, 10, QLatin1Char('0'))
                      .arg(d.year);
    }
    const Platform::Answer answer =
        platform_.message(text(ProgramText::DatesUndecidedQuestion).arg(example), text(ProgramText::ImportTitle),
                          Platform::Buttons::YesNo, Platform::Icon::Question);
    return answer == Platform::Answer::Yes ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

void DrawImportDialog::showShape(const DrawFileShape& shape) {
    const DrawImportControls& c = controls_;
    const QSignalBlocker quiet[] = {QSignalBlocker(c.separator), QSignalBlocker(c.headerLines),
                                    QSignalBlocker(c.dateColumn), QSignalBlocker(c.dateOrder)};
    const char wanted = shape.separator.empty() ? ';' : shape.separator[0];
    for (int k = 0; k < c.separator->count(); ++k)
        if (c.separator->itemData(k).toInt() == wanted) c.separator->setCurrentIndex(k);
    c.headerLines->setValue(shape.linesToSkip);
    c.dateColumn->setValue(std::max(1, shape.dateColumn));
    c.dateOrder->setCurrentIndex(c.dateOrder->findData(static_cast<int>(shape.dateOrder)));
    c.numberColumns->setText(columnsText(shape.numberColumns));
    c.bonusColumns->setText(columnsText(shape.bonusColumns));
    QStringList names;
    for (std::size_t k = 0; k < shape.columnNames.size(); ++k)
        names << QStringLiteral("%1 %2").arg(k + 1).arg(QString::fromStdString(shape.columnNames[k]));
    c.fileColumns->setText(names.isEmpty() ? QString() : text(ProgramText::FileColumns).arg(names.join(QStringLiteral(" · "))));
}

DrawFileShape DrawImportDialog::shapeFromControls() const {
    const DrawImportControls& c = controls_;
    DrawFileShape shape = guessed_;
    shape.separator = std::string(1, static_cast<char>(c.separator->currentData().toInt()));
    shape.linesToSkip = c.headerLines->value();
    shape.dateColumn = c.dateColumn->value();
    shape.dateOrder = static_cast<DateOrder>(c.dateOrder->currentData().toInt());
    shape.numberColumns = typedColumns(c.numberColumns->text());
    shape.bonusColumns = typedColumns(c.bonusColumns->text());
    // Columns typed by the player may lie beyond those the guess counted.
    if (shape.separator != guessed_.separator) shape.fieldCount = 0;
    return shape;
}

void DrawImportDialog::showPreview() {
    QTableWidget* preview = controls_.preview;
    preview->setRowCount(0);
    if (file_.isEmpty()) return;
    DrawFileShape shape = shapeFromControls();
    // The preview's first lines alone cannot decide an order the player left to the file.
    if (shape.dateOrder == DateOrder::Undecided) shape.dateOrder = guessed_.dateOrder;
    const draws::DrawFileReading reading =
        draws::readDrawFile(file_.toStdString(), shape, history_.highestNumber(), kPreviewDraws);
    preview->setRowCount(static_cast<int>(reading.draws.size()));
    for (int row = 0; row < static_cast<int>(reading.draws.size()); ++row) {
        const draws::DrawRecord& draw = reading.draws[static_cast<std::size_t>(row)];
        QStringList bonus;
        for (const int b : draw.bonus) bonus << QString::number(b);
        preview->setItem(row, 0, shownCell(QString::number(draw.line), Qt::AlignLeft | Qt::AlignVCenter));
        preview->setItem(row, 1, shownCell(history_.dateText(draw.date)));
        preview->setItem(row, 2, shownCell(QString::fromStdString(draws::drawNumbersText(draw, false))));
        preview->setItem(row, 3, shownCell(bonus.join(QLatin1Char(' '))));
    }
}

void DrawImportDialog::importFile() {
    if (file_.isEmpty()) return;
    draws::DrawStore* store = history_.store();
    if (store == nullptr) return;
    DrawFileShape shape = shapeFromControls();
    if (shape.dateOrder == DateOrder::Undecided) shape.dateOrder = guessed_.dateOrder;
    const draws::DrawFileReading reading = draws::readDrawFile(file_.toStdString(), shape, history_.highestNumber());
    if (tellProblem(reading.problem, reading.readerError, reading.problemLine)) return;

    draws::ImportResult result;
    {
        LongPass pass(this, text(ProgramText::Working), text(ProgramText::Cancel),
                      static_cast<std::int64_t>(reading.draws.size()));
        result = store->import(history_.gameType(), reading.draws,
                               [&pass](std::int64_t rows) { return pass.step(rows); });
    }
    if (!history_.changed(result)) return;

    std::vector<draws::RefusedLine> refused = reading.refused;
    refused.insert(refused.end(), result.conflicts.begin(), result.conflicts.end());
    std::sort(refused.begin(), refused.end(),
              [](const draws::RefusedLine& a, const draws::RefusedLine& b) { return a.line < b.line; });
    QStringList lines;
    lines << text(ProgramText::ImportSummary)
                 .arg(result.added)
                 .arg(result.alreadyThere + reading.repeatedLines)
                 .arg(static_cast<qint64>(refused.size()));
    for (const draws::RefusedLine& line : refused)
        lines << text(ProgramText::RefusedLine).arg(line.line).arg(history_.refusal(line.reason));
    controls_.summary->setPlainText(lines.join(QLatin1Char('\n')));
    if (onImported_) onImported_();
}

}  // namespace norvex5
