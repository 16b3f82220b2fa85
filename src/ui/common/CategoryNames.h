#pragma once

#include <QString>
#include <QStringList>

class ProfileFile;

// The names of the 32 categories, kept in section "Categories" of the
// profile file as "Cat1" to "Cat32".
class CategoryNames
{
public:
    static constexpr int kCount = 32;

    // The names from the profile; a missing or empty entry is
    // "User Defined " followed by its number.
    static QStringList Read(const ProfileFile& profile);
    // The same from "zvb.ini".
    static QStringList ReadDefault();
    // What the category picker lists: the names from "zvb.ini" unless the
    // main window has installed the list it keeps.
    static QStringList Current();
    static void SetCurrent(const QStringList& names);
    static QString DefaultName(int number);
};
