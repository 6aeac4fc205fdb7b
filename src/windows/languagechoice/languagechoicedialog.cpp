#include "windows/languagechoice/languagechoicedialog.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "localisation/programtexts.h"
#include "windows/common/languagegroup.h"

namespace norvex5 {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

LanguageChoiceDialog::LanguageChoiceDialog(QWidget* parent) : QDialog(parent) {
    controls_.build(*this);
    connectHandlers();
}

void LanguageChoiceDialog::connectHandlers() {
    connect(controls_.okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void LanguageChoiceDialog::prepare(LanguageCode current) {
    const QString title = fromUtf8(programText(ProgramText::LanguageChoiceTitle, current));
    setWindowTitle(title);
    controls_.languages->setTitle(title);
    controls_.okButton->setText(fromUtf8(programText(ProgramText::Ok, current)));
    const QString note = fromUtf8(programText(ProgramText::LanguageChoiceNote, current));
    controls_.note->setPlainText(note);
    // The note whole, without scrolling: its lines are kept as written, never wrapped.
    const QStringList lines = note.split(QLatin1Char('\n'));
    const QFontMetrics metrics(controls_.note->font());
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    controls_.note->setFixedSize(widest + 24, metrics.lineSpacing() * static_cast<int>(lines.size()) + 14);
    controls_.languages->checkLanguage(current);
    adjustSize();
}

LanguageCode LanguageChoiceDialog::choose(LanguageCode current) {
    prepare(current);
    controls_.okButton->setFocus();
    exec();
    // The player who closes the window by its title bar has still made a choice: the button
    // checked, the current language unless changed.
    return controls_.languages->checkedLanguage();
}

}  // namespace norvex5
