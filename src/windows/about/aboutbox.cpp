#include "windows/about/aboutbox.h"
#include "localisation/messagenumbers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/appstate.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/pictures.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

namespace {

constexpr int kDisclaimerMessages[] = {kMessageDisclaimerFirst, kMessageDisclaimerSecond, kMessageDisclaimerThird};

}  // namespace

AboutBox::AboutBox(AppState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setUpDialog(*this, "apropos");
    setWindowTitle(QStringLiteral("A propos"));
    setModal(false);
    GradientBackground::placeBehind(this);
    buildControls();
    connectHandlers();
}

void AboutBox::buildControls() {
    QVBoxLayout* column = dialogColumn(*this);

    auto* header = new QGridLayout;
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(loadProgramIcon().scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    header->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    auto* name = new QLabel(QStringLiteral("NORVEX5"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont large = name->font();
    large.setPixelSize(20);
    large.setBold(true);
    name->setFont(large);
    header->addWidget(name, 0, 1);
    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("lversion"));
    header->addWidget(version_, 1, 1);
    hiddenLabel_ = new QLabel(this);
    hiddenLabel_->setObjectName(QStringLiteral("Label3"));
    hiddenLabel_->hide();
    header->setColumnStretch(1, 1);
    header->setHorizontalSpacing(14);
    column->addLayout(header);

    disclaimer_ = new QPlainTextEdit(this);
    disclaimer_->setObjectName(QStringLiteral("Memo1"));
    disclaimer_->setReadOnly(true);
    const QFontMetrics metrics(disclaimer_->font());
    disclaimer_->setFixedHeight(3 * metrics.lineSpacing() + 2 * int(disclaimer_->document()->documentMargin()) +
                                2 * disclaimer_->frameWidth() + 6);
    disclaimer_->setMinimumWidth(380);
    column->addWidget(disclaimer_);

    okButton_ = new QPushButton(this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    okButton_->setMinimumWidth(100);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addStretch();
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::connectHandlers() { connect(okButton_, &QPushButton::clicked, this, &QDialog::accept); }

void AboutBox::prepare() {
    version_->setText(QString::fromLatin1(kVersion));
    okButton_->setText(QString::fromStdString(state_.message(kMessageReturn)));
    hiddenLabel_->hide();
    disclaimer_->clear();
    for (const int message : kDisclaimerMessages)
        disclaimer_->appendPlainText(QString::fromStdString(state_.message(message)));
    // Each line whole, in the longest language.
    const QFontMetrics metrics(disclaimer_->font());
    int widest = 0;
    for (const int message : kDisclaimerMessages)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(state_.message(message))));
    disclaimer_->setMinimumWidth(std::max(380, widest + 30));
    adjustSize();
}

void AboutBox::showBox() {
    prepare();
    show();
    raise();
    activateWindow();
}

}  // namespace norvex5
