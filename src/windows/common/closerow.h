#pragma once
// The button that closes a dialog, as the windows of the wheel workshop end.

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace norvex5 {

// A button (objectName BoutonFermer) alone at the right of a last row of `column` that closes
// `dialog`; its caption is the caller's to set with the window's other texts.
inline QPushButton* addCloseRow(QDialog& dialog, QBoxLayout& column) {
    auto* row = new QHBoxLayout;
    auto* close = new QPushButton(&dialog);
    close->setObjectName(QStringLiteral("BoutonFermer"));
    row->addStretch(1);
    row->addWidget(close);
    column.addLayout(row);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    return close;
}

}  // namespace norvex5
