#include "windows/wheeldescription/wheeldescriptioncontrols.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "windows/common/gradientbackground.h"
#include "windows/common/named.h"
#include "windows/common/pictures.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

namespace {

constexpr int kDescriptionLines = 4;

}  // namespace

void WheelDescriptionControls::build(QDialog& window) {
    setUpDialog(window, "FinfoSysteme");
    window.setModal(true);
    GradientBackground::placeBehind(&window);
    QVBoxLayout* column = dialogColumn(window);

    title = named(new QLabel(&window), "lablibsysteme");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    column->addWidget(title);

    description = named(new QPlainTextEdit(&window), "mdescription");
    description->setReadOnly(true);
    description->setLineWrapMode(QPlainTextEdit::NoWrap);
    description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Four lines of text, no more: the box fits them rather than the editor's default size.
    const QFontMetrics metrics(description->font());
    description->setFixedHeight(kDescriptionLines * metrics.lineSpacing() +
                                2 * int(description->document()->documentMargin()) + 2 * description->frameWidth() +
                                6);
    description->setMinimumWidth(460);
    column->addWidget(description);

    returnButton = named(new QPushButton(&window), "bretour");
    returnButton->setIcon(QIcon(loadButtonIcon("quit")));
    returnButton->setDefault(true);
    returnButton->setMinimumWidth(100);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(returnButton);
    buttons->addStretch();
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace norvex5
