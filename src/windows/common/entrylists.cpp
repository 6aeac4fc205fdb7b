#include "windows/common/entrylists.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <string>
#include <vector>

#include "output/ticketlayouts.h"
#include "textfiles/listentry.h"

namespace norvex5 {

namespace {

class EntryTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        const std::string entry = QStyledItemDelegate::displayText(value, locale).toStdString();
        return QString::fromStdString(std::string(listEntryText(entry)));
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + 8, std::max(size.height() + 6, 22)};
    }
};

}  // namespace

void showEntryTextsOnly(QComboBox& list) { list.setItemDelegate(new EntryTextDelegate(&list)); }

void fitOpenList(QComboBox& list) {
    QAbstractItemView* view = list.view();
    int widest = 0;
    for (int row = 0; row < list.count(); ++row)
        widest = std::max(widest, view->sizeHintForIndex(list.model()->index(row, 0)).width());
    QWidget* popup = view->window();
    const int margins = 2 * popup->contentsMargins().left() + 2 * view->frameWidth() + 4;
    int width = std::max(list.width(), widest + margins + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    if (const QScreen* screen = list.screen()) width = std::min(width, screen->availableGeometry().width());
    popup->setMinimumWidth(width);
    popup->setMaximumWidth(width);
}

void fillTicketModelList(QComboBox& list, std::int32_t rememberedIndex) {
    std::vector<std::string> entries = ticketModelListEntries();
    std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    });
    const QSignalBlocker quiet(&list);
    list.clear();
    for (const std::string& entry : entries) list.addItem(QString::fromStdString(entry));
    list.setCurrentIndex(rememberedModelEntry(rememberedIndex, list.count()));
    fitOpenList(list);
}

}  // namespace norvex5
