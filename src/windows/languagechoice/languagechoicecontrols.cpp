#include "windows/languagechoice/languagechoicecontrols.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

#include "windows/common/buttonrow.h"
#include "windows/common/languagegroup.h"
#include "windows/common/named.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

void LanguageChoiceControls::build(QDialog& window) {
    setUpDialog(window, "Form10");
    window.setModal(true);
    QVBoxLayout* column = dialogColumn(window);

    languages = new LanguageGroup(&window);
    auto* languageRow = new QHBoxLayout;
    languageRow->addStretch();
    languageRow->addWidget(languages);
    languageRow->addStretch();
    column->addLayout(languageRow);

    note = named(new QPlainTextEdit(&window), "Memo1");
    note->setReadOnly(true);
    note->setLineWrapMode(QPlainTextEdit::NoWrap);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->addWidget(note);

    okButton = named(new QPushButton(&window), "bok");
    okButton->setDefault(true);
    okButton->setAutoDefault(true);
    okButton->setMinimumWidth(88);
    addCentredButtonRow(*column, okButton);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace norvex5
