#pragma once

#include "reports/LabelDimension.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Label sheets of the label-design templates that Debian's glabels-data
// installs: each rectangular (or round-cornered) template becomes a label
// type named by brand and part number, such as "Avery 5160".
namespace SheetTemplates {

// Template files larger than this are not read.
inline constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;
// No more templates than this are taken from all files together.
inline constexpr size_t kMaxTemplates = 20000;

// The folders searched, in order: $ZENDRIVO_LABEL_TEMPLATES when set, else
// the system's template folders.
QStringList Folders();

// The templates of one file's text. A text that does not parse gives none;
// a template of another shape, or with lengths out of range, is passed over.
// A template "equiv" to an earlier one of the same brand takes its sheet.
std::vector<TLabelDimension> Parse(const QByteArray& xml);

// Every template of the "*-templates.xml" files in the folders, sorted by name.
std::vector<TLabelDimension> LoadInstalled();
std::vector<TLabelDimension> LoadFolder(const QString& folder);

// A length such as "2.625in", "12.7mm", "1cm", "36pt" or "3pc" (a bare
// number counts points) in hundredths of an inch; nullopt when unreadable.
std::optional<int> Hundredths(QStringView length);

} // namespace SheetTemplates
