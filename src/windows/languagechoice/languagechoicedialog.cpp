#include "windows/languagechoice/languagechoicedialog.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/appstate.h"
#include "windows/common/languagegroup.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

namespace {

// Written for the screens of the day, in both languages a first-time player may read; kept as
// written.
constexpr const char* kNoteLines[] = {
    "si à l'écran, les croix sont affichées à coté des cases, allez dans le panneau de ",
    "configuration de windows/Affichage et changez la police pour 'petite police'.",
    "if in the screen the cross are not in the good place, verify that the windows ",
    "default  font in the 'configuration panel/ screen resolution' are the little font and ",
    "not the big font.",
    "",
};

}  // namespace

LanguageChoiceDialog::LanguageChoiceDialog(AppState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setUpDialog(*this, "Form10");
    setWindowTitle(QStringLiteral("Langue - Language"));
    setModal(true);
    buildControls();
    connectHandlers();
}

void LanguageChoiceDialog::buildControls() {
    QVBoxLayout* column = dialogColumn(*this);

    languages_ = new LanguageGroup(this);
    languages_->setTitle(QStringLiteral("Langue - Language"));
    auto* languageRow = new QHBoxLayout;
    languageRow->addStretch();
    languageRow->addWidget(languages_);
    languageRow->addStretch();
    column->addLayout(languageRow);

    note_ = new QPlainTextEdit(this);
    note_->setObjectName(QStringLiteral("Memo1"));
    note_->setReadOnly(true);
    note_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const char* line : kNoteLines) lines.append(QString::fromUtf8(line));
    note_->setPlainText(lines.join(QLatin1Char('\n')));
    const QFontMetrics metrics(note_->font());
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    note_->setFixedSize(widest + 24, metrics.lineSpacing() * static_cast<int>(lines.size()) + 14);
    column->addWidget(note_);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("bok"));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    okButton_->setMinimumWidth(88);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addStretch();
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void LanguageChoiceDialog::connectHandlers() { connect(okButton_, &QPushButton::clicked, this, &QDialog::accept); }

void LanguageChoiceDialog::prepare() { languages_->checkLanguage(state_.parameters.language); }

void LanguageChoiceDialog::openModal() {
    prepare();
    okButton_->setFocus();
    exec();
}

void LanguageChoiceDialog::done(int result) {
    // The player who closes the window by its title bar has still made a choice: the button
    // checked, French unless changed.
    state_.parameters.language = languages_->checkedLanguage();
    QDialog::done(result);
}

}  // namespace norvex5
