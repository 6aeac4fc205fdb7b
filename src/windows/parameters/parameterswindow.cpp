#include "windows/parameters/parameterswindow.h"
#include "localisation/messagenumbers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/appstate.h"
#include "output/calibrationpage.h"
#include "output/ticketlayouts.h"
#include "periphery/offsettext.h"
#include "textfiles/listentry.h"
#include "windows/common/entrylists.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/languagegroup.h"
#include "windows/common/platform.h"
#include "windows/common/printersurface.h"
#include "windows/common/printnotices.h"
#include "windows/common/windowfont.h"
#include "windows/common/windowtexts.h"

namespace norvex5 {

namespace {

constexpr int kOffsetLength = 5;

constexpr WindowText kTexts[] = {
    {"GroupBox1", WindowText::Field::Caption, kMessagePrinting},
    {"ldecalh", WindowText::Field::Caption, kMessageHorizontalOffset},
    {"ldecalv", WindowText::Field::Caption, kMessageVerticalOffset},
    {"glangue", WindowText::Field::Caption, kMessageLanguage},
};

}  // namespace

OffsetField::OffsetField(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kOffsetLength);
    setAlignment(Qt::AlignRight);
}

void OffsetField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool typesCharacter = !typed.isEmpty() && !(event->modifiers() & Qt::ControlModifier);
    if (event->key() == Qt::Key_Backspace ||
        (typesCharacter && (typed.size() != 1 || !isOffsetCharacter(typed[0].toLatin1())))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

ParametersWindow::ParametersWindow(AppState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setUpDialog(*this, "Form9");
    setModal(true);
    GradientBackground::placeBehind(this);
    buildControls();
    connectHandlers();
    applyTexts();
}

void ParametersWindow::buildControls() {
    QVBoxLayout* column = dialogColumn(*this);

    printerGroup_ = new QGroupBox(QStringLiteral("Impression"), this);
    printerGroup_->setObjectName(QStringLiteral("GroupBox1"));
    printerGrid_ = new QGridLayout(printerGroup_);
    printerGrid_->setHorizontalSpacing(6);
    const auto offsetRow = [this](int row, const char* labelName, const QString& caption, const char* fieldName,
                                  QLabel*& label, OffsetField*& field) {
        label = new QLabel(caption, printerGroup_);
        label->setObjectName(QLatin1String(labelName));
        field = new OffsetField(printerGroup_);
        field->setObjectName(QLatin1String(fieldName));
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-99999")) + 14);
        auto* unit = new QLabel(QStringLiteral("mm"), printerGroup_);
        printerGrid_->addWidget(label, row, 0);
        printerGrid_->addWidget(field, row, 1);
        printerGrid_->addWidget(unit, row, 2);
    };
    offsetRow(0, "ldecalh", QStringLiteral("Décalage horizontal"), "edech", horizontalLabel_, horizontalOffset_);
    offsetRow(1, "ldecalv", QStringLiteral("Décalage vertical"), "edecv", verticalLabel_, verticalOffset_);
    // The test print: which ticket model under the offsets, the button in the place kept beside them.
    testModelLabel_ = new QLabel(printerGroup_);
    testModelLabel_->setObjectName(QStringLiteral("labmodeletest"));
    testModels_ = new QComboBox(printerGroup_);
    testModels_->setObjectName(QStringLiteral("combmodeletest"));
    testModels_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    testModels_->setMinimumContentsLength(22);
    showEntryTextsOnly(*testModels_);
    testModelLabel_->setBuddy(testModels_);
    printerGrid_->addWidget(testModelLabel_, 2, 0);
    printerGrid_->addWidget(testModels_, 2, 1, 1, 4);
    // Column 4, across both rows, is the place kept for the printer group's own button.
    printerGrid_->setColumnMinimumWidth(3, 12);
    printerGrid_->setColumnStretch(3, 1);
    column->addWidget(printerGroup_);

    languages_ = new LanguageGroup(this);
    languages_->setTitle(QStringLiteral("Langue"));
    column->addWidget(languages_);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("bok"));
    okButton_->setDefault(true);
    okButton_->setMinimumWidth(88);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addStretch();
    column->addLayout(buttons);

    testPrintButton_ = new QPushButton(this);
    testPrintButton_->setObjectName(QStringLiteral("bimpressiontest"));
    testPrintButton_->setAutoDefault(false);
    placePrinterButton(testPrintButton_);

    column->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(horizontalOffset_, verticalOffset_);
    setTabOrder(verticalOffset_, testModels_);
    setTabOrder(testModels_, testPrintButton_);
}

void ParametersWindow::connectHandlers() {
    connect(okButton_, &QPushButton::clicked, this, &ParametersWindow::acceptParameters);
    connect(testPrintButton_, &QPushButton::clicked, this, &ParametersWindow::printTestPage);
}

void ParametersWindow::placePrinterButton(QAbstractButton* button) {
    button->setParent(printerGroup_);
    printerGrid_->addWidget(button, 0, 4, 2, 1, Qt::AlignVCenter);
}

void ParametersWindow::applyTexts() {
    const MessageLookup lookup = state_.messageLookup();
    setWindowTitle(QString::fromStdString(lookup(kMessageParameters)));
    applyWindowTexts(*this, kTexts, lookup);
    testModelLabel_->setText(QString::fromStdString(lookup(kMessageTicketType)));
    testPrintButton_->setText(QString::fromStdString(state_.programText(ProgramText::TestPrint)));
}

QString ParametersWindow::text(int message) const { return QString::fromStdString(state_.message(message)); }

void ParametersWindow::prepare() {
    // The language file supplies every text whatever the language: choosing one would do nothing.
    const bool languageFileLoaded = state_.languageManager && state_.languageManager->loaded();
    languages_->setVisible(!languageFileLoaded);
    horizontalOffset_->setText(QString::number(state_.parameters.horizontalOffset));
    verticalOffset_->setText(QString::number(state_.parameters.verticalOffset));
    languages_->checkLanguage(state_.parameters.language);
    // The model the tickets were last printed on, the way the print dialog lists the models.
    fillTicketModelList(*testModels_, state_);
    applyTexts();
    adjustSize();
}

void ParametersWindow::openModal() {
    prepare();
    horizontalOffset_->setFocus();
    exec();
}

std::optional<PrinterOffsets> ParametersWindow::offsetsOnThePaper() {
    const PrinterOffsets offsets{offsetFromText(horizontalOffset_->text().toStdString()),
                                 offsetFromText(verticalOffset_->text().toStdString())};
    const struct {
        std::int32_t mm;
        int caption;
        OffsetField* field;
    } fields[] = {{offsets.horizontalMm, kMessageHorizontalOffset, horizontalOffset_},
                  {offsets.verticalMm, kMessageVerticalOffset, verticalOffset_}};
    for (const auto& f : fields) {
        if (offsetWithinPaper(f.mm)) continue;
        const QString caption = text(f.caption).trimmed();
        platform_.message(QString::fromStdString(state_.programText(ProgramText::OffsetOffThePaper))
                              .arg(caption.endsWith(QLatin1Char(':')) ? caption.chopped(1).trimmed() : caption)
                              .arg(f.mm)
                              .arg(kFarthestOffsetMm),
                          text(kMessageParameters), Platform::Buttons::Ok, Platform::Icon::Warning);
        f.field->setFocus();
        f.field->selectAll();
        return std::nullopt;
    }
    return offsets;
}

void ParametersWindow::acceptParameters() {
    const std::optional<PrinterOffsets> offsets = offsetsOnThePaper();
    if (!offsets) return;
    state_.parameters.horizontalOffset = offsets->horizontalMm;
    state_.parameters.verticalOffset = offsets->verticalMm;
    state_.parameters.language = languages_->checkedLanguage();
    accept();
}

int ParametersWindow::testModel() const { return ticketModelFromEntry(testModels_->currentText().toStdString()); }

void ParametersWindow::printTestPage() {
    const int model = testModel();
    if (model <= 0) return;
    // The offsets as typed: the user tries them on paper before pressing OK.
    const std::optional<PrinterOffsets> typed = offsetsOnThePaper();
    if (!typed) return;
    const PrinterOffsets offsets = *typed;
    const QString name = QString::fromStdString(std::string(listEntryText(testModels_->currentText().toStdString())));
    // The sheet says what it was printed for, so it can be told apart from the next one.
    const QString caption = QStringLiteral("%1  \u2014  %2 : %3 mm  \u2014  %4 : %5 mm")
                                .arg(name, text(kMessageHorizontalOffset), QString::number(offsets.horizontalMm),
                                     text(kMessageVerticalOffset), QString::number(offsets.verticalMm));
    PrinterSurface surface;
    if (!platform_.choosePrintTarget(surface.printer(),
                                     QStringLiteral("Norvex5 - %1 - %2").arg(testPrintButton_->text(), name)))
        return;
    if (!marksFitOrUserGoesOn(platform_, state_, surface, model, offsets)) return;
    if (!printCalibrationPage(surface, model, offsets, caption.toStdString()))
        platform_.message(QStringLiteral("Erreur"), text(kMessagePrinting), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
}

}  // namespace norvex5
