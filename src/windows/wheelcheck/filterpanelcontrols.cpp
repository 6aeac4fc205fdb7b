#include "windows/wheelcheck/filterpanelcontrols.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

#include "windows/common/named.h"
#include "workshop/wheel.h"

namespace norvex5 {

using workshop::kBoardSize;

namespace {

constexpr int kLimitColumn = 5;

}  // namespace

void FilterPanelControls::build(QGroupBox& panel, int highestSum) {
    panel.setObjectName(QStringLiteral("GroupeFiltre"));
    // Two columns of three, so that the panel takes little of the height the tables below it need.
    grid_ = new QGridLayout(&panel);
    grid_->setColumnMinimumWidth(4, 16);
    grid_->setColumnStretch(7, 1);
    odd = addRange(panel, 0, "Impairs", kBoardSize);
    low = addRange(panel, 1, "Bas", kBoardSize);
    sum = addRange(panel, 2, "Somme", highestSum);
    run = addLimit(panel, 0, "Suite", kLimitColumn);
    decade = addLimit(panel, 1, "Dizaine", kLimitColumn);
    digit = addLimit(panel, 2, "Finale", kLimitColumn);
    share = named(new QLabel(&panel), "LabelFiltre");
    share->setWordWrap(true);
    grid_->addWidget(share, 3, 0, 1, 8);
}

FilterPanelControls::Condition FilterPanelControls::addRange(QGroupBox& panel, int row, const char* name, int most) {
    Condition c = addLimit(panel, row, name, 0);
    c.from->setRange(0, most);
    c.to = named(new QLabel(&panel), QStringLiteral("LabelFiltre%1A").arg(QLatin1String(name)));
    c.upTo = named(new QSpinBox(&panel), QStringLiteral("EditFiltre%1A").arg(QLatin1String(name)));
    c.upTo->setRange(0, most);
    grid_->addWidget(c.to, row, 2);
    grid_->addWidget(c.upTo, row, 3);
    return c;
}

FilterPanelControls::Condition FilterPanelControls::addLimit(QGroupBox& panel, int row, const char* name, int column) {
    Condition c;
    c.tick = named(new QCheckBox(&panel), QStringLiteral("CaseFiltre%1").arg(QLatin1String(name)));
    c.from = named(new QSpinBox(&panel), QStringLiteral("EditFiltre%1").arg(QLatin1String(name)));
    c.from->setRange(1, kBoardSize);
    grid_->addWidget(c.tick, row, column);
    grid_->addWidget(c.from, row, column + 1);
    return c;
}

}  // namespace norvex5
