#pragma once
// What a user would see cut in a window: the controls that show a caption in less room than the
// caption needs. Laid-out windows grow with a longer language; this finds the ones that did not.

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace norvex5::testing {

// The objectNames (with the caption) of the visible labels, buttons and group boxes of `window`
// narrower than their caption. The window must be shown; its pending layouts are run first.
inline QStringList cutCaptions(QWidget& window) {
    QCoreApplication::processEvents();
    QStringList cut;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window)) continue;
        int needed = 0;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && !label->wordWrap()) {
            caption = label->text();
            needed = label->sizeHint().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            caption = button->text();
            needed = button->sizeHint().width();
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            caption = group->title();
            needed = group->fontMetrics().horizontalAdvance(caption);
        }
        if (!caption.isEmpty() && control->width() < needed)
            cut << QStringLiteral("%1 \"%2\" %3 < %4").arg(control->objectName(), caption).arg(control->width()).arg(needed);
    }
    return cut;
}

}  // namespace norvex5::testing
