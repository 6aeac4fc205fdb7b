#include "windows/parameters/parameterswindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/appstate.h"
#include "periphery/offsettext.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/languagegroup.h"
#include "windows/common/windowfont.h"
#include "windows/common/windowtexts.h"

namespace norvex5 {

namespace {

constexpr int kMessageTitle = 49;
constexpr int kOffsetLength = 5;

constexpr WindowText kTexts[] = {
    {"GroupBox1", WindowText::Field::Caption, 130},
    {"ldecalh", WindowText::Field::Caption, 135},
    {"ldecalv", WindowText::Field::Caption, 134},
    {"glangue", WindowText::Field::Caption, 131},
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
    setObjectName(QStringLiteral("Form9"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    useProgramFont(*this);
    GradientBackground::placeBehind(this);
    buildControls();
    connectHandlers();
    applyTexts();
}

void ParametersWindow::buildControls() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);

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

    column->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(horizontalOffset_, verticalOffset_);
}

void ParametersWindow::connectHandlers() {
    connect(okButton_, &QPushButton::clicked, this, &ParametersWindow::acceptParameters);
}

void ParametersWindow::placePrinterButton(QAbstractButton* button) {
    button->setParent(printerGroup_);
    printerGrid_->addWidget(button, 0, 4, 2, 1, Qt::AlignVCenter);
}

void ParametersWindow::applyTexts() {
    const MessageLookup lookup = state_.messageLookup();
    setWindowTitle(QString::fromStdString(lookup(kMessageTitle)));
    applyWindowTexts(*this, kTexts, lookup);
}

void ParametersWindow::prepare() {
    // The language file supplies every text whatever the language: choosing one would do nothing.
    const bool languageFileLoaded = state_.languageManager && state_.languageManager->loaded();
    languages_->setVisible(!languageFileLoaded);
    horizontalOffset_->setText(QString::number(state_.parameters.horizontalOffset));
    verticalOffset_->setText(QString::number(state_.parameters.verticalOffset));
    languages_->checkLanguage(state_.parameters.language);
    applyTexts();
    adjustSize();
}

void ParametersWindow::openModal() {
    prepare();
    horizontalOffset_->setFocus();
    exec();
}

void ParametersWindow::acceptParameters() {
    state_.parameters.horizontalOffset = offsetFromText(horizontalOffset_->text().toStdString());
    state_.parameters.verticalOffset = offsetFromText(verticalOffset_->text().toStdString());
    state_.parameters.language = languages_->checkedLanguage();
    accept();
}

}  // namespace norvex5
