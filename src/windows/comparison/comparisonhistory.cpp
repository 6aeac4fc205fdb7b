#include "windows/comparison/comparisonhistory.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/appstate.h"
#include "draws/drawstore.h"
#include "draws/drawtext.h"
#include "windows/common/drawhistory.h"
#include "windows/common/named.h"
#include "windows/common/platform.h"

namespace norvex5 {

namespace {

// Below the compare button, where the designed window has room to spare.
constexpr int kLeft = 318;
constexpr int kWidth = 274;

}  // namespace

ComparisonHistory::ComparisonHistory(const Texts& texts, Platform& platform, DrawHistory& history, QDialog& window,
                                     const std::array<QComboBox*, kDrawBoxCount>& drawBoxes)
    : QObject(&window), texts_(texts), platform_(platform), history_(history), drawBoxes_(drawBoxes) {
    caption_ = named(new QLabel(&window), "LabelTiragesEnregistres", QRect(kLeft, 306, kWidth, 16));
    storedDraws_ = named(new QComboBox(&window), "ComboTiragesEnregistres", QRect(kLeft, 322, kWidth, 24));
    date_ = named(new QDateEdit(&window), "DateTirage", QRect(kLeft, 350, 110, 24));
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date_->setCalendarPopup(true);
    date_->setDate(QDate::currentDate());
    save_ = named(new QPushButton(&window), "bEnregistrerTirage", QRect(kLeft + 116, 350, kWidth - 116, 24));
    save_->setAutoDefault(false);
    connect(storedDraws_, &QComboBox::activated, this, &ComparisonHistory::takeDraw);
    connect(save_, &QPushButton::clicked, this, &ComparisonHistory::saveDraw);
}

QString ComparisonHistory::text(ProgramText which) const { return QString::fromStdString(texts_.programText(which)); }

void ComparisonHistory::applyTexts() {
    caption_->setText(text(ProgramText::DrawFromHistory));
    save_->setText(text(ProgramText::SaveDrawToHistory));
}

void ComparisonHistory::prepare(bool takeLast) {
    draws::DrawStore* store = history_.store();
    listed_ = store ? store->draws(history_.gameType()) : std::vector<draws::DrawRecord>{};
    const QSignalBlocker quiet(storedDraws_);
    storedDraws_->clear();
    date_->setDisplayFormat(history_.dateFormat());
    for (const draws::DrawRecord& draw : listed_)
        storedDraws_->addItem(history_.dateText(draw.date) + QStringLiteral("   ") +
                              QString::fromStdString(draws::drawNumbersText(draw)));
    storedDraws_->setCurrentIndex(-1);
    storedDraws_->setEnabled(!listed_.empty());
    save_->setEnabled(store != nullptr);
    if (takeLast && !listed_.empty()) takeDraw(0);
}

void ComparisonHistory::takeDraw(int listed) {
    if (listed < 0 || listed >= static_cast<int>(listed_.size())) return;
    const draws::DrawRecord& draw = listed_[static_cast<std::size_t>(listed)];
    storedDraws_->setCurrentIndex(listed);
    for (int k = 0; k < kGridADrawBoxCount; ++k) {
        QComboBox* box = drawBoxes_[static_cast<std::size_t>(k)];
        box->setCurrentIndex(box->findText(QString::number(draw.numbers[static_cast<std::size_t>(k)])));
    }
    date_->setDate(QDate(draw.date.year, draw.date.month, draw.date.day));
}

void ComparisonHistory::saveDraw() {
    draws::DrawStore* store = history_.store();
    if (store == nullptr) return;
    draws::DrawRecord draw;
    const QDate date = date_->date();
    draw.date = {date.year(), date.month(), date.day()};
    bool allNumbers = true;
    for (int k = 0; k < kGridADrawBoxCount; ++k) {
        bool ok = false;
        draw.numbers[static_cast<std::size_t>(k)] = drawBoxes_[static_cast<std::size_t>(k)]->currentText().toInt(&ok);
        allNumbers = allNumbers && ok;
    }
    const auto refusal = allNumbers ? draws::refusalOf(draw, history_.highestNumber())
                                    : std::optional(draws::RefusalReason::NotFiveNumbers);
    if (refusal) {
        platform_.message(history_.refusal(*refusal), text(ProgramText::SaveDrawToHistory), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return;
    }
    const draws::ImportResult result = store->add(history_.gameType(), draw);
    if (!history_.changed(result)) return;
    if (!result.conflicts.empty()) {
        platform_.message(history_.refusal(draws::RefusalReason::DateTwice), text(ProgramText::SaveDrawToHistory),
                          Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    platform_.message(text(ProgramText::DrawSavedToHistory).arg(history_.dateText(draw.date)),
                      text(ProgramText::SaveDrawToHistory), Platform::Buttons::Ok, Platform::Icon::Information);
    prepare(false);
}

}  // namespace norvex5
