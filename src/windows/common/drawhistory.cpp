#include "windows/common/drawhistory.h"

#include <QDate>
#include <QLocale>

#include "core/appstate.h"
#include "core/lotteries.h"
#include "windows/common/platform.h"
#include "windows/common/qttranslations.h"

namespace norvex5 {

using draws::RefusalReason;
using draws::StoreFailure;
using draws::StoreOpening;

DrawHistory::DrawHistory(const Texts& texts, const Settings& settings, Platform& platform, std::filesystem::path file)
    : texts_(texts), settings_(settings), platform_(platform), file_(std::move(file)) {}

DrawHistory::~DrawHistory() = default;

draws::DrawStore* DrawHistory::store() {
    if (store_) return store_->available() ? store_.get() : nullptr;
    store_ = std::make_unique<draws::DrawStore>(file_);
    tellOpening(*store_);
    return store_->available() ? store_.get() : nullptr;
}

void DrawHistory::tellOpening(const draws::DrawStore& store) {
    QString message;
    switch (store.opening()) {
        case StoreOpening::Opened:
        case StoreOpening::Created: return;
        case StoreOpening::DamagedSetAside:
            message = text(ProgramText::HistoryDamaged).arg(QString::fromStdString(store.setAside().string()));
            break;
        case StoreOpening::FolderNotWritable:
            message = text(ProgramText::HistoryFolderNotWritable)
                          .arg(QString::fromStdString(store.file().parent_path().string()));
            break;
        case StoreOpening::InUse: message = text(ProgramText::HistoryInUse); break;
        case StoreOpening::CannotOpen:
            message = text(ProgramText::HistoryCannotOpen).arg(QString::fromStdString(store.detail()));
            break;
    }
    platform_.message(message, text(ProgramText::DrawsTitle), Platform::Buttons::Ok, Platform::Icon::Warning);
}

int DrawHistory::gameType() const { return effectiveGameType(settings_.parameters.gameType); }

int DrawHistory::highestNumber() const { return settings_.parameters.highestNumber; }

std::optional<draws::DrawRecord> DrawHistory::lastDraw() {
    draws::DrawStore* history = store();
    return history ? history->lastDraw(gameType()) : std::nullopt;
}

bool DrawHistory::changed(const draws::ImportResult& result) {
    if (result.ok()) return true;
    if (result.failure == StoreFailure::Stopped) {
        platform_.message(text(ProgramText::HistoryImportStopped), text(ProgramText::DrawsTitle),
                          Platform::Buttons::Ok, Platform::Icon::Information);
        return false;
    }
    QString message;
    switch (result.failure) {
        case StoreFailure::InUse: message = text(ProgramText::HistoryNotChangedInUse); break;
        case StoreFailure::ReadOnly: message = text(ProgramText::HistoryNotChangedReadOnly); break;
        case StoreFailure::DiskFull: message = text(ProgramText::HistoryNotChangedDiskFull); break;
        case StoreFailure::Other:
            message = text(ProgramText::HistoryNotChangedOther).arg(QString::fromStdString(result.detail));
            break;
        default: message = text(ProgramText::HistoryUnavailable); break;
    }
    platform_.message(message, text(ProgramText::DrawsTitle), Platform::Buttons::Ok, Platform::Icon::Warning);
    return false;
}

bool DrawHistory::changed(StoreFailure failure) {
    draws::ImportResult result;
    result.failure = failure;
    if (failure == StoreFailure::Other && store_) result.detail = store_->detail();
    return changed(result);
}

QString DrawHistory::text(ProgramText which) const { return QString::fromStdString(texts_.programText(which)); }

QString DrawHistory::refusal(RefusalReason reason) const {
    switch (reason) {
        case RefusalReason::NotFiveNumbers: return text(ProgramText::DrawRefusedNotFive);
        case RefusalReason::NumberOutOfRange: return text(ProgramText::DrawRefusedOutOfRange);
        case RefusalReason::NumberTwice: return text(ProgramText::DrawRefusedTwice);
        case RefusalReason::NotADate: return text(ProgramText::DrawRefusedNotADate);
        case RefusalReason::BadBonus: return text(ProgramText::DrawRefusedBadBonus);
        case RefusalReason::DateTwice: return text(ProgramText::DrawRefusedDateTwice);
    }
    return {};
}

QString DrawHistory::dateFormat() const {
    QString format = languageLocale(texts_.language()).dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QString DrawHistory::dateText(const draws::CalendarDate& date) const {
    return languageLocale(texts_.language()).toString(QDate(date.year, date.month, date.day), dateFormat());
}

// Two digits of day and month: the widest any date is written in any format.
qsizetype DrawHistory::dateWidth() const { return dateText(draws::CalendarDate{2000, 12, 28}).size(); }

QString DrawHistory::paddedDateText(const draws::CalendarDate& date) const { return dateText(date).leftJustified(dateWidth()); }

}  // namespace norvex5
