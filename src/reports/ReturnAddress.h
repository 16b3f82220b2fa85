#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// "ret_addr.dat": the lines of the envelope's return address as plain text.
namespace ReturnAddress {

inline constexpr qint64 kMaxFileSize = 64 * 1024;

// The file in the current (data) directory.
QString DefaultPath();
// The lines; empty when the file is missing, nullopt when it is not a
// regular file, is larger than the cap or cannot be read.
std::optional<QStringList> Load(const QString& path);
// Replaces the file; false when that fails (the old file stays whole).
bool Save(const QString& path, const QStringList& lines);

} // namespace ReturnAddress
