#pragma once

#include <QString>
#include <QStringList>

// Recognises the header rows that address books write when they export
// their contacts as comma-separated text, and maps their columns onto the
// fields of a record type.
namespace ContactsHeader {

// Stands for a column that no field of the record type takes. Items answer
// no field of this name, so the column is read and passed over.
inline constexpr const char16_t* kIgnoredColumn = u"(Ignore column)";

struct Guess
{
    QString source;     // "Google Contacts", "Outlook" or "Thunderbird"; empty when not recognised
    QStringList fields; // one per column up to the last one taken; kIgnoredColumn for the rest
};

// The guess for a header line; available are the fields of the chosen
// record type. An unrecognised line, or one with no column for those
// fields, gives an empty guess.
Guess Recognise(const QString& headerLine, const QStringList& available);

} // namespace ContactsHeader
