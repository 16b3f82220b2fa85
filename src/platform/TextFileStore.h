#pragma once

#include <QList>
#include <QString>

#include <optional>

// Whole-file access for the small settings files: each access reads or
// replaces the complete file, so no file stays open between operations.
namespace TextFileStore {

// The file's lines (UTF-8, Windows-1252 fallback per line, LF or CR LF).
// A missing file gives no lines; an existing file that cannot be read gives
// nullopt, so a caller never rewrites a file it could not read.
std::optional<QList<QString>> ReadLines(const QString& path);

// Replaces the file atomically with the lines, each ended by CR LF, creating
// the directory when missing. On failure the old file is left as it was.
bool WriteLines(const QString& path, const QList<QString>& lines);

} // namespace TextFileStore
