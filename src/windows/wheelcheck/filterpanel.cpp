#include "windows/wheelcheck/filterpanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "core/appstate.h"
#include "windows/common/qttranslations.h"
#include "workshop/filtersettings.h"
#include "workshop/subsets.h"

namespace norvex5 {

using workshop::kBoardSize;

namespace {

constexpr int kLimitColumn = 5;

int highestSum(int highest) { return kBoardSize * highest - kBoardSize * (kBoardSize - 1) / 2; }

}  // namespace

FilterPanel::FilterPanel(AppState& state, QWidget* parent) : QGroupBox(parent), state_(state) {
    setObjectName(QStringLiteral("GroupeFiltre"));
    // Two columns of three, the ranges on the left and the limits on the right, so that the panel
    // takes little of the height the tables below it need.
    auto* grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(4, 16);
    grid->setColumnStretch(7, 1);
    odd = addRange(0, "Impairs", kBoardSize);
    low = addRange(1, "Bas", kBoardSize);
    sum = addRange(2, "Somme", highestSum(highest_));
    run = addLimit(0, "Suite", kLimitColumn);
    decade = addLimit(1, "Dizaine", kLimitColumn);
    digit = addLimit(2, "Finale", kLimitColumn);
    share = new QLabel(this);
    share->setObjectName(QStringLiteral("LabelFiltre"));
    share->setWordWrap(true);
    grid->addWidget(share, 3, 0, 1, 8);
    // What a player ticks first: two or three odd, two or three low.
    for (Condition* range : {&odd, &low}) {
        range->from->setValue(2);
        range->upTo->setValue(3);
    }
    sum.from->setValue(highestSum(highest_) / 4);
    sum.upTo->setValue(highestSum(highest_) * 3 / 4);
    for (Condition* limit : {&run, &decade, &digit}) limit->from->setValue(2);
    showShare();
}

FilterPanel::Condition FilterPanel::addRange(int row, const char* name, int most) {
    Condition c = addLimit(row, name);
    c.from->setRange(0, most);
    c.to = new QLabel(this);
    c.to->setObjectName(QStringLiteral("LabelFiltre%1A").arg(QLatin1String(name)));
    c.upTo = new QSpinBox(this);
    c.upTo->setObjectName(QStringLiteral("EditFiltre%1A").arg(QLatin1String(name)));
    c.upTo->setRange(0, most);
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(c.to, row, 2);
    grid->addWidget(c.upTo, row, 3);
    connect(c.upTo, &QSpinBox::valueChanged, this, [this, c] { onEdit(c, false); });
    return c;
}

FilterPanel::Condition FilterPanel::addLimit(int row, const char* name, int column) {
    Condition c;
    c.tick = new QCheckBox(this);
    c.tick->setObjectName(QStringLiteral("CaseFiltre%1").arg(QLatin1String(name)));
    c.from = new QSpinBox(this);
    c.from->setObjectName(QStringLiteral("EditFiltre%1").arg(QLatin1String(name)));
    c.from->setRange(1, kBoardSize);
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(c.tick, row, column);
    grid->addWidget(c.from, row, column + 1);
    connect(c.tick, &QCheckBox::toggled, this, [this] {
        if (filling_) return;
        showShare();
        emit changed();
    });
    connect(c.from, &QSpinBox::valueChanged, this, [this, c] { onEdit(c, true); });
    return c;
}

// A value of a condition ticked changes the filter; one not ticked is only being prepared.
void FilterPanel::onEdit(const Condition& condition, bool lowEndMoved) {
    if (filling_) return;
    if (condition.upTo != nullptr && condition.from->value() > condition.upTo->value()) {
        // A range stays the right way round: the other end follows.
        if (lowEndMoved)
            condition.upTo->setValue(condition.from->value());
        else
            condition.from->setValue(condition.upTo->value());
        return;  // the end that followed reports the change
    }
    if (!condition.tick->isChecked()) return;
    showShare();
    emit changed();
}

QString FilterPanel::text(ProgramText which) const { return QString::fromStdString(state_.programText(which)); }

void FilterPanel::applyTexts() {
    setTitle(text(ProgramText::FilterTitle));
    odd.tick->setText(text(ProgramText::FilterOdd));
    low.tick->setText(text(ProgramText::FilterLow).arg(highest_ / 2));
    sum.tick->setText(text(ProgramText::FilterSum));
    run.tick->setText(text(ProgramText::FilterRun));
    decade.tick->setText(text(ProgramText::FilterDecade));
    digit.tick->setText(text(ProgramText::FilterDigit));
    for (const Condition* range : {&odd, &low, &sum}) range->to->setText(text(ProgramText::FilterTo));
    showShare();
}

void FilterPanel::setHighest(int highest) {
    if (highest == highest_) return;
    highest_ = highest;
    const bool wasFilling = filling_;
    filling_ = true;
    sum.from->setMaximum(highestSum(highest));
    sum.upTo->setMaximum(highestSum(highest));
    filling_ = wasFilling;
    applyTexts();
}

std::optional<workshop::DrawFilter> FilterPanel::filter() const {
    workshop::DrawFilter f;
    auto range = [](const Condition& c) {
        return c.tick->isChecked() ? std::optional(workshop::CountRange{c.from->value(), c.upTo->value()})
                                   : std::nullopt;
    };
    auto limit = [](const Condition& c) { return c.tick->isChecked() ? std::optional(c.from->value()) : std::nullopt; };
    f.odd = range(odd);
    f.low = range(low);
    f.sum = range(sum);
    f.longestRun = limit(run);
    f.perDecade = limit(decade);
    f.perLastDigit = limit(digit);
    if (f.empty()) return std::nullopt;
    return f;
}

void FilterPanel::setFilter(const std::optional<workshop::DrawFilter>& filter) {
    filling_ = true;
    const workshop::DrawFilter f = filter.value_or(workshop::DrawFilter{});
    auto setRange = [](const Condition& c, const std::optional<workshop::CountRange>& r) {
        c.tick->setChecked(r.has_value());
        if (!r) return;
        c.upTo->setValue(r->high);
        c.from->setValue(r->low);
    };
    auto setLimit = [](const Condition& c, const std::optional<int>& l) {
        c.tick->setChecked(l.has_value());
        if (l) c.from->setValue(*l);
    };
    setRange(odd, f.odd);
    setRange(low, f.low);
    setRange(sum, f.sum);
    setLimit(run, f.longestRun);
    setLimit(decade, f.perDecade);
    setLimit(digit, f.perLastDigit);
    filling_ = false;
    showShare();
}

void FilterPanel::restoreFrom(const std::filesystem::path& file, int gameType) {
    if (!file.empty()) setFilter(workshop::FilterSettings::load(file).filterFor(gameType, highest_));
}

void FilterPanel::keepIn(const std::filesystem::path& file, int gameType) const {
    if (file.empty()) return;
    auto settings = workshop::FilterSettings::load(file);
    settings.keep(gameType, filter().value_or(workshop::DrawFilter{}));
    settings.save(file);
}

void FilterPanel::showShare() {
    const auto f = filter();
    const std::int64_t draws = workshop::binomial(highest_, kBoardSize);
    passing_ = f ? workshop::passingDrawCount(*f, highest_) : draws;
    if (!f) {
        share->clear();
        return;
    }
    if (passing_ == 0) {
        share->setText(text(ProgramText::FilterNoDraw));
        return;
    }
    const QLocale locale = languageLocale(state_.parameters.language);
    share->setText(text(ProgramText::FilterPassingShare)
                       .arg(locale.toString(100.0 * double(passing_) / double(draws), 'f', 2))
                       .arg(locale.toString(qlonglong(passing_)))
                       .arg(locale.toString(qlonglong(draws))));
}

}  // namespace norvex5
