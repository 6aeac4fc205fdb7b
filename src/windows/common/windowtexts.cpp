#include "windows/common/windowtexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

namespace norvex5 {

namespace {

// A tab's caption is its tab widget's, not the page's own.
QTabWidget* tabWidgetOf(QWidget* page) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    return stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

void setCaption(QObject* control, const QString& caption) {
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(caption);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else if (auto* page = qobject_cast<QWidget*>(control)) {
        if (QTabWidget* tabs = tabWidgetOf(page)) tabs->setTabText(tabs->indexOf(page), caption);
    }
}

void setHint(QObject* control, const QString& hint) {
    if (auto* action = qobject_cast<QAction*>(control))
        action->setToolTip(hint);
    else if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setToolTip(hint);
}

}  // namespace

QString withMnemonic(const QString& caption, QString& taken) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;  // "&&" is one "&", "&x" is "x"
        plain.append(caption[i]);
    }
    QString marked;
    bool done = false;
    for (const QChar c : plain) {
        if (!done && c.isLetter() && !taken.contains(c.toLower())) {
            marked.append(QLatin1Char('&'));
            taken.append(c.toLower());
            done = true;
        }
        marked.append(c);
        if (c == QLatin1Char('&')) marked.append(QLatin1Char('&'));
    }
    return marked;
}

QStringList applyWindowTexts(QObject& root, std::span<const WindowText> rows, const MessageLookup& message) {
    QStringList missing;
    for (const WindowText& row : rows) {
        QObject* control = root.findChild<QObject*>(QLatin1String(row.control));
        if (control == nullptr) {
            missing.append(QLatin1String(row.control));
            continue;
        }
        const QString text = QString::fromStdString(message(row.message));
        if (row.field == WindowText::Field::Caption)
            setCaption(control, text);
        else
            setHint(control, text);
    }
    return missing;
}

}  // namespace norvex5
