#pragma once

#include <QString>

class QMimeData;

// Item records travel through the clipboard under a format of our own,
// beside plain text for other programs.
namespace ClipboardTransfer {

inline constexpr const char* kRecordsMimeType = "application/x-zendrivo-records";

// Puts the records, and the plain text beside them, on the clipboard.
// An empty record text leaves the clipboard untouched.
void Put(const QString& records, const QString& plainText);
// The records on the clipboard, empty when it holds none of ours.
QString Records();
QString Records(const QMimeData* data);

} // namespace ClipboardTransfer
