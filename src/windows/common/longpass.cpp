#include "windows/common/longpass.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <algorithm>
#include <limits>

namespace norvex5 {

LongPass::LongPass(QWidget* owner, const QString& label, const QString& cancelText, std::int64_t total)
    : owner_(owner), label_(label), cancelText_(cancelText), total_(std::max<std::int64_t>(total, 0)) {
    clock_.start();
}

LongPass::~LongPass() { delete dialog_; }

bool LongPass::step(std::int64_t done) {
    if (cancelled_) return false;
    const std::int64_t now = clock_.elapsed();
    if (now - lastEventsMs_ < kEventIntervalMs) return true;

    if (dialog_ == nullptr && now >= kDialogDelayMs) {
        // A progress bar needs a range that fits an int; a count it cannot show becomes a busy bar.
        const bool counted = total_ > 0 && total_ <= std::numeric_limits<int>::max();
        dialog_ = new QProgressDialog(label_, cancelText_, 0, counted ? static_cast<int>(total_) : 0, owner_);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        QObject::connect(dialog_, &QProgressDialog::canceled, [this] { cancelled_ = true; });
        dialog_->show();
    }
    if (dialog_ != nullptr && dialog_->maximum() > 0)
        dialog_->setValue(static_cast<int>(std::min<std::int64_t>(done, dialog_->maximum())));
    processEvents();
    return !cancelled_;
}

void LongPass::processEvents() {
    if (beforeEvents_) beforeEvents_();
    const std::int64_t before = clock_.elapsed();
    longestGapMs_ = std::max(longestGapMs_, before - lastEventsMs_);
    QCoreApplication::processEvents();
    lastEventsMs_ = clock_.elapsed();
}

}  // namespace norvex5
