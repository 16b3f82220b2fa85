#pragma once

#include <QString>

#include <optional>

// One persisted property: which object, which property, its default, and
// where it lives in the settings file. The text form has seven fields
// separated by ";": component; property; default; section; key; (unused); load-only.
struct IniEntry
{
    QString component;
    QString property;
    QString defaultValue;
    QString section;
    QString key;
    bool loadOnly = false;

    // Usable only with component, property, section and key all filled.
    bool IsUsable() const;

    static IniEntry Parse(const QString& line);
    QString ToText() const;
};
