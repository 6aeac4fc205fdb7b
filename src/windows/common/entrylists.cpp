#include "windows/common/entrylists.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <string>
#include <vector>

#include "core/appstate.h"
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

QString visibleText(const QString& entry) {
    return QString::fromStdString(std::string(listEntryText(entry.toStdString())));
}

// Paints the closed box with the current entry's visible text, whole where it can be, instead of
// the raw entry whose end is lost.
class EntryTextPainter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* list = static_cast<QComboBox*>(watched);
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = list->hasFrame();
        option.subControls = QStyle::SC_All;
        option.iconSize = list->iconSize();
        if (list->hasFocus()) option.state |= QStyle::State_Selected;
        if (list->view()->isVisible()) option.state |= QStyle::State_On;
        const ClosedEntry shown = closedEntryText(*list);
        option.currentText = shown.text;
        QStylePainter painter(list);
        painter.setFont(shown.font);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
        return true;
    }
};

}  // namespace

ClosedEntry closedEntryText(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = false;
    option.frame = list.hasFrame();
    const int width =
        list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list).width();
    ClosedEntry shown{visibleText(list.currentText()).simplified(), list.font()};
    constexpr int kSmallestPixelSize = 10;
    const int designed = shown.font.pixelSize() > 0 ? shown.font.pixelSize() : QFontInfo(shown.font).pixelSize();
    for (int size = designed; size >= kSmallestPixelSize; --size) {
        shown.font.setPixelSize(size);
        if (QFontMetrics(shown.font).horizontalAdvance(shown.text) <= width) return shown;
    }
    shown.text = QFontMetrics(shown.font).elidedText(shown.text, Qt::ElideRight, width);
    return shown;
}

void showEntryTextsOnly(QComboBox& list) {
    list.setItemDelegate(new EntryTextDelegate(&list));
    list.installEventFilter(new EntryTextPainter(&list));
    // The whole title on hovering, for a box too narrow to show all of it.
    QObject::connect(&list, &QComboBox::currentTextChanged, &list,
                     [&list](const QString& entry) { list.setToolTip(visibleText(entry)); });
    list.setToolTip(visibleText(list.currentText()));
}

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

void fillTicketModelList(QComboBox& list, const Settings& settings) {
    std::vector<std::string> entries = ticketModelListEntries();
    std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    });
    const QSignalBlocker quiet(&list);
    list.clear();
    for (const std::string& entry : entries) list.addItem(QString::fromStdString(entry));
    int selected = rememberedModelEntry(settings.parameters.ticketModelIndex, list.count());
    if (!settings.ticketModelRemembered) {
        const int proposed = ticketModelForGameType(settings.parameters.gameType);
        for (int i = 0; i < list.count(); ++i)
            if (ticketModelFromEntry(list.itemText(i).toStdString()) == proposed) selected = i;
    }
    list.setCurrentIndex(selected);
    fitOpenList(list);
}

}  // namespace norvex5
