#pragma once

#include <QString>

// Gives a control the name it has on its form, the name tests and the caption tables find it by.
template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
