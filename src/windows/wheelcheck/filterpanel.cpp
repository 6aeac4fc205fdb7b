#include "windows/wheelcheck/filterpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

#include "windows/common/qttranslations.h"
#include "workshop/filtersettings.h"
#include "workshop/subsets.h"

namespace norvex5 {

using workshop::kBoardSize;

namespace {

int highestSum(int highest) { return kBoardSize * highest - kBoardSize * (kBoardSize - 1) / 2; }

}  // namespace

FilterPanel::FilterPanel(QWidget* parent) : QGroupBox(parent) {
    FilterPanelControls& c = controls_;
    c.build(*this, highestSum(highest_));
    // What a player ticks first: two or three odd, two or three low.
    for (Condition* range : {&c.odd, &c.low}) {
        range->from->setValue(2);
        range->upTo->setValue(3);
    }
    c.sum.from->setValue(highestSum(highest_) / 4);
    c.sum.upTo->setValue(highestSum(highest_) * 3 / 4);
    for (Condition* limit : {&c.run, &c.decade, &c.digit}) limit->from->setValue(2);
    connectHandlers();
    showShare();
}

void FilterPanel::connectHandlers() {
    FilterPanelControls& c = controls_;
    for (const Condition* condition : {&c.odd, &c.low, &c.sum, &c.run, &c.decade, &c.digit}) {
        const Condition each = *condition;
        connect(each.tick, &QCheckBox::toggled, this, [this] {
            if (filling_) return;
            showShare();
            emit changed();
        });
        connect(each.from, &QSpinBox::valueChanged, this, [this, each] { onEdit(each, true); });
        if (each.upTo != nullptr)
            connect(each.upTo, &QSpinBox::valueChanged, this, [this, each] { onEdit(each, false); });
    }
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

QString FilterPanel::text(ProgramText which) const {
    const std::string_view caption = programText(which, language_);
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

void FilterPanel::applyTexts(LanguageCode language) {
    language_ = language;
    const FilterPanelControls& c = controls_;
    setTitle(text(ProgramText::FilterTitle));
    c.odd.tick->setText(text(ProgramText::FilterOdd));
    c.low.tick->setText(text(ProgramText::FilterLow).arg(highest_ / 2));
    c.sum.tick->setText(text(ProgramText::FilterSum));
    c.run.tick->setText(text(ProgramText::FilterRun));
    c.decade.tick->setText(text(ProgramText::FilterDecade));
    c.digit.tick->setText(text(ProgramText::FilterDigit));
    for (const Condition* range : {&c.odd, &c.low, &c.sum}) range->to->setText(text(ProgramText::FilterTo));
    showShare();
}

void FilterPanel::setHighest(int highest) {
    if (highest == highest_) return;
    highest_ = highest;
    const bool wasFilling = filling_;
    filling_ = true;
    controls_.sum.from->setMaximum(highestSum(highest));
    controls_.sum.upTo->setMaximum(highestSum(highest));
    filling_ = wasFilling;
    applyTexts(language_);
}

std::optional<workshop::DrawFilter> FilterPanel::filter() const {
    workshop::DrawFilter f;
    auto range = [](const Condition& c) {
        return c.tick->isChecked() ? std::optional(workshop::CountRange{c.from->value(), c.upTo->value()})
                                   : std::nullopt;
    };
    auto limit = [](const Condition& c) { return c.tick->isChecked() ? std::optional(c.from->value()) : std::nullopt; };
    const FilterPanelControls& c = controls_;
    f.odd = range(c.odd);
    f.low = range(c.low);
    f.sum = range(c.sum);
    f.longestRun = limit(c.run);
    f.perDecade = limit(c.decade);
    f.perLastDigit = limit(c.digit);
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
    const FilterPanelControls& c = controls_;
    setRange(c.odd, f.odd);
    setRange(c.low, f.low);
    setRange(c.sum, f.sum);
    setLimit(c.run, f.longestRun);
    setLimit(c.decade, f.perDecade);
    setLimit(c.digit, f.perLastDigit);
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
        controls_.share->clear();
        return;
    }
    if (passing_ == 0) {
        controls_.share->setText(text(ProgramText::FilterNoDraw));
        return;
    }
    const QLocale locale = languageLocale(language_);
    controls_.share->setText(text(ProgramText::FilterPassingShare)
                       .arg(locale.toString(100.0 * double(passing_) / double(draws), 'f', 2))
                       .arg(locale.toString(qlonglong(passing_)))
                       .arg(locale.toString(qlonglong(draws))));
}

}  // namespace norvex5
