#pragma once
// A control under its designed objectName, as a form designer builds it: tests and tools find
// controls by these names.

#include <QRect>
#include <QString>
#include <QWidget>

namespace norvex5 {

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

template <typename T>
T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

template <typename T>
T* named(T* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace norvex5
