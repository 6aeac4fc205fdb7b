#include "windows/wheeldescription/wheeldescriptionwindow.h"
#include "localisation/messagenumbers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/appstate.h"
#include "core/wheelcatalogue.h"
#include "periphery/wheeldescription.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/pictures.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

namespace {


}  // namespace

WheelDescriptionWindow::WheelDescriptionWindow(AppState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setUpDialog(*this, "FinfoSysteme");
    setModal(true);
    GradientBackground::placeBehind(this);
    buildControls();
    connectHandlers();
}

void WheelDescriptionWindow::buildControls() {
    QVBoxLayout* column = dialogColumn(*this);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("lablibsysteme"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    column->addWidget(title_);

    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("mdescription"));
    description_->setReadOnly(true);
    description_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Four lines of text, no more: the box fits them rather than the editor's default size.
    const QFontMetrics metrics(description_->font());
    description_->setFixedHeight(4 * metrics.lineSpacing() + 2 * int(description_->document()->documentMargin()) +
                                 2 * description_->frameWidth() + 6);
    description_->setMinimumWidth(460);
    column->addWidget(description_);

    returnButton_ = new QPushButton(this);
    returnButton_->setObjectName(QStringLiteral("bretour"));
    returnButton_->setIcon(QIcon(loadButtonIcon("quit")));
    returnButton_->setDefault(true);
    returnButton_->setMinimumWidth(100);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(returnButton_);
    buttons->addStretch();
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void WheelDescriptionWindow::connectHandlers() {
    connect(returnButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void WheelDescriptionWindow::prepare() {
    const MessageLookup lookup = state_.messageLookup();
    setWindowTitle(QString::fromStdString(lookup(kMessageSelectedWheel)));
    returnButton_->setText(QString::fromStdString(lookup(kMessageReturn)));
    description_->clear();
    title_->clear();
    // No wheel chosen: nothing to describe, and no record to read.
    const WheelRecord* wheel = wheelRecord(state_.selectedWheel);
    if (wheel == nullptr) return;
    title_->setText(QString::fromStdString(wheelTitle(state_.selectedWheel, false, lookup)));
    const auto lines = wheelDescriptionLines(*wheel, lookup);
    QStringList text;
    for (const std::string& line : lines) text.append(QString::fromStdString(line));
    description_->setPlainText(text.join(QLatin1Char('\n')));
    // The longest sentence decides the width: none is cut in any language.
    const QFontMetrics metrics(description_->font());
    int widest = 0;
    for (const QString& line : text) widest = std::max(widest, metrics.horizontalAdvance(line));
    description_->setMinimumWidth(std::max(460, widest + 30));
    adjustSize();
}

void WheelDescriptionWindow::openModal() {
    prepare();
    exec();
}

}  // namespace norvex5
