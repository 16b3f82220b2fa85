#pragma once

#include <QByteArray>
#include <QString>

// Every file the program reads goes through here: only regular files are
// read (a symbolic link to one is followed), so a FIFO, a device or a
// directory gives a clear error instead of hanging or reading nothing, and
// nothing larger than the cap is taken into memory.
namespace RegularFile {

// The database and every import are refused above this size.
inline constexpr qint64 kMaxBytes = qint64(256) << 20;

enum class ReadStatus
{
    Read,    // the bytes are the whole file
    Missing, // nothing at the path (or a dangling link)
    Failed,  // there is something, but it could not be read whole
};

// Reads the whole file into bytes. On Failed, error holds one line naming
// the file and the reason ("Cannot read PATH: Input/output error").
ReadStatus TryRead(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error);

// A regular file read piece by piece, with the checks of TryRead: for
// readers that build as they go instead of holding the whole file.
class Reader
{
public:
    Reader() = default;
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    ~Reader();

    // Opens the file; on Failed, error is one line as TryRead gives it.
    ReadStatus Open(const QString& path, qint64 maxBytes, QString& error);
    // Appends up to want bytes and gives how many came, 0 at the end. A
    // read error, or more bytes than the cap, throws EReadError with the
    // reason alone ("Input/output error").
    qsizetype ReadMore(QByteArray& into, qsizetype want);
    // The file's size when it was opened.
    qint64 Size() const { return m_size; }

private:
    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_limit = 0;
    qint64 m_read = 0;
};

// The error of a file above maxBytes: "Cannot read PATH: the file is larger
// than 64 MB".
QString TooLargeMessage(const QString& path, qint64 maxBytes);

// Reads the whole file; a missing or unreadable file throws EReadError.
QByteArray Read(const QString& path, qint64 maxBytes = kMaxBytes);

// Reads at most maxBytes from the start of the file; what lies beyond is
// not looked at. Throws EReadError like Read.
QByteArray ReadHead(const QString& path, qint64 maxBytes);

// Before a file is written over: throws EZendrivoError when something that
// is not a regular file (after following links) is at the path. A missing
// path is fine.
void CheckWriteTarget(const QString& path);

// The path with its symbolic links resolved when it names an existing file,
// so that writing through a link replaces the file it points to rather than
// the link; otherwise the path itself.
QString ResolvedWriteTarget(const QString& path);

} // namespace RegularFile
