#include "windows/wheelgenerator/wheelgeneratorcontrols.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "windows/common/closerow.h"
#include "windows/common/named.h"
#include "windows/common/windowfont.h"
#include "windows/wheelcheck/filterpanel.h"
#include "workshop/wheel.h"

namespace norvex5 {

namespace {

constexpr int kFirstNumbers = 10;
constexpr int kDefaultSeconds = 30;
constexpr int kMostSeconds = 3600;

}  // namespace

void WheelGeneratorControls::build(QDialog& window) {
    setUpDialog(window, "FormGenerateur");
    QVBoxLayout* column = dialogColumn(window);
    auto* grid = new QGridLayout;
    numbersLabel = named(new QLabel(&window), "LabelNombres");
    numbers = named(new QSpinBox(&window), "EditNombres");
    numbers->setRange(workshop::kMinNumbers, workshop::kMaxNumbers);
    numbers->setValue(kFirstNumbers);
    numbersLabel->setBuddy(numbers);
    ticked = named(new QPushButton(&window), "BoutonCoches");
    grid->addWidget(numbersLabel, 0, 0);
    grid->addWidget(numbers, 0, 1);
    grid->addWidget(ticked, 0, 2);

    guaranteeLabel = named(new QLabel(&window), "LabelGarantie");
    guarantee = named(new QComboBox(&window), "ComboGarantie");
    guaranteeLabel->setBuddy(guarantee);
    grid->addWidget(guaranteeLabel, 1, 0);
    grid->addWidget(guarantee, 1, 1);

    secondsLabel = named(new QLabel(&window), "LabelSecondes");
    seconds = named(new QSpinBox(&window), "EditSecondes");
    seconds->setRange(1, kMostSeconds);
    seconds->setValue(kDefaultSeconds);
    secondsLabel->setBuddy(seconds);
    grid->addWidget(secondsLabel, 2, 0);
    grid->addWidget(seconds, 2, 1);
    column->addLayout(grid);
    filterPanel = new FilterPanel(&window);
    column->addWidget(filterPanel);

    auto* run = new QHBoxLayout;
    generate = named(new QPushButton(&window), "BoutonGenerer");
    stop = named(new QPushButton(&window), "BoutonArreter");
    run->addWidget(generate);
    run->addWidget(stop);
    column->addLayout(run);

    progress = named(new QLabel(&window), "LabelProgression");
    progress->setMinimumWidth(380);
    progress->setWordWrap(true);
    column->addWidget(progress);

    auto* after = new QHBoxLayout;
    check = named(new QPushButton(&window), "BoutonVerifier");
    save = named(new QPushButton(&window), "BoutonEnregistrer");
    send = named(new QPushButton(&window), "BoutonEnvoyer");
    after->addWidget(check);
    after->addWidget(save);
    after->addWidget(send);
    column->addLayout(after);
    close = addCloseRow(window, *column);
}

}  // namespace norvex5
