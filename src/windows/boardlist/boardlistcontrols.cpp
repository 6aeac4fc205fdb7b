#include "windows/boardlist/boardlistcontrols.h"
#include "windows/common/named.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "localisation/messagenumbers.h"
#include "windows/common/fixedrowdelegate.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/pictures.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

namespace {

constexpr auto kCaption = WindowText::Field::Caption;

constexpr WindowText kListTexts[] = {
    {"BitBtn6", kCaption, kMessagePrintList},
    {"BitBtn2", kCaption, kMessagePrintTickets},
    {"BitBtn1", kCaption, kMessageReturn},
    {"bexport", kCaption, kMessageExportList},
};

// The list's rows are 13 pixels high whatever the desktop's spacing, so that a screen holds as
// many boards as the fixed-pitch font allows.
constexpr int kRowHeight = 13;

}  // namespace

std::span<const WindowText> boardListTexts() { return kListTexts; }

void BoardListControls::build(QDialog& window) {
    GradientBackground::placeBehind(&window);

    list = named(new QListView(&window), "listbull");
    // Every row the same height: the view never measures a million rows one by one.
    list->setUniformItemSizes(true);
    list->setItemDelegate(new FixedRowDelegate(kRowHeight, list));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    const QFont fixedPitch = fixedPitchListFont();
    list->setFont(fixedPitch);
    // Room for a line of board 1000 and more ( 1000:-01-02-03-04-05) beside the scroll bar.
    const int lineWidth = QFontMetrics(fixedPitch).horizontalAdvance(QStringLiteral(" 0000:-00-00-00-00-00 "));
    list->setFixedSize(lineWidth + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8, 330);

    const auto button = [&window](const char* name, const QIcon& icon) {
        auto* b = named(new QPushButton(&window), name);
        b->setIcon(icon);
        b->setIconSize(QSize(24, 24));
        b->setMinimumHeight(40);
        b->setAutoDefault(false);
        return b;
    };
    printList = button("BitBtn6", QIcon(loadButtonIcon("list")));
    printTickets = button("BitBtn2", QIcon(loadButtonIcon("print")));
    exportList = button("bexport", window.style()->standardIcon(QStyle::SP_DialogSaveButton));
    back = button("BitBtn1", QIcon(loadButtonIcon("quit")));

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(printList);
    buttons->addWidget(printTickets);
    buttons->addWidget(exportList);
    buttons->addStretch();
    buttons->addWidget(back);

    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addWidget(list);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace norvex5
