#include "windows/wheeldescription/wheeldescriptionwindow.h"
#include "localisation/messagenumbers.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/appstate.h"
#include "core/wheelcatalogue.h"
#include "periphery/wheeldescription.h"

namespace norvex5 {

WheelDescriptionWindow::WheelDescriptionWindow(const Texts& texts, const CurrentGame& game, Platform& platform,
                                               QWidget* parent)
    : QDialog(parent), texts_(texts), game_(game), platform_(platform) {
    controls_.build(*this);
    connectHandlers();
}

void WheelDescriptionWindow::connectHandlers() {
    connect(controls_.returnButton, &QPushButton::clicked, this, &QDialog::accept);
}

void WheelDescriptionWindow::prepare() {
    const MessageLookup lookup = texts_.messageLookup();
    setWindowTitle(QString::fromStdString(lookup(kMessageSelectedWheel)));
    controls_.returnButton->setText(QString::fromStdString(lookup(kMessageReturn)));
    controls_.description->clear();
    controls_.title->clear();
    // No wheel chosen: nothing to describe, and no record to read.
    const WheelRecord* wheel = wheelRecordOf(game_.expansion, game_.selectedWheel);
    if (wheel == nullptr) return;
    controls_.title->setText(QString::fromStdString(wheelTitle(*wheel, lookup)));
    const auto lines = wheelDescriptionLines(*wheel, lookup);
    QStringList text;
    for (const std::string& line : lines) text.append(QString::fromStdString(line));
    controls_.description->setPlainText(text.join(QLatin1Char('\n')));
    // The longest sentence decides the width: none is cut in any language.
    const QFontMetrics metrics(controls_.description->font());
    int widest = 0;
    for (const QString& line : text) widest = std::max(widest, metrics.horizontalAdvance(line));
    controls_.description->setMinimumWidth(std::max(460, widest + 30));
    adjustSize();
}

void WheelDescriptionWindow::openModal() {
    prepare();
    exec();
}

}  // namespace norvex5
