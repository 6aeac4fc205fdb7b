#include "windows/about/aboutbox.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "localisation/messagenumbers.h"
#include "localisation/programtexts.h"

namespace norvex5 {

namespace {

constexpr int kDisclaimerMessages[] = {kMessageDisclaimerFirst, kMessageDisclaimerSecond, kMessageDisclaimerThird};

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    controls_.build(*this);
    connectHandlers();
}

void AboutBox::connectHandlers() { connect(controls_.okButton, &QPushButton::clicked, this, &QDialog::accept); }

void AboutBox::prepare(const MessageLookup& message, LanguageCode language) {
    setWindowTitle(fromUtf8(programText(ProgramText::AboutTitle, language)));
    controls_.version->setText(QString::fromLatin1(kVersion));
    controls_.okButton->setText(QString::fromStdString(message(kMessageReturn)));
    controls_.hiddenLabel->hide();
    QStringList lines;
    for (const int number : kDisclaimerMessages) lines.append(QString::fromStdString(message(number)));
    controls_.disclaimer->setPlainText(lines.join(QLatin1Char('\n')));
    // Each line whole, in the longest language.
    const QFontMetrics metrics(controls_.disclaimer->font());
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    controls_.disclaimer->setMinimumWidth(std::max(380, widest + 30));
    adjustSize();
}

void AboutBox::showBox(const MessageLookup& message, LanguageCode language) {
    prepare(message, language);
    show();
    raise();
    activateWindow();
}

}  // namespace norvex5
