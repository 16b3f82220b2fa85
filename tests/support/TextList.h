#pragma once

#include <QStringList>

#include <initializer_list>

// A list of texts written as UTF-8 literals, for expectations.
inline QStringList L(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}
