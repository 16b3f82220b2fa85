#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The messages between a running desktop program and a later start of the
// desktop program or of zendrivo-cli, on the local socket of the data
// directory. Each message is a frame: a 32-bit big-endian size, then that
// many bytes of payload.
namespace HandOver {

// The socket name for this user and the data directory (the current one
// when empty).
QString ServerName(const QString& dataDirectory = QString());

enum class Kind : quint32 {
    StartArguments = 1, // a second desktop start: show the window, import the files named
    Command = 2,        // a command-line command that changes the database
};

struct Request
{
    Kind kind = Kind::StartArguments;
    QStringList arguments;
    QString workingDirectory; // of the sender, for relative paths in a command
};

// What a command printed and its exit status.
struct Reply
{
    int exitCode = 1;
    QString out;
    QString err;
};

// Frames above these sizes are not from Zendrivo: the connection is dropped.
inline constexpr qint64 kMaxRequest = 1 << 20;
inline constexpr qint64 kMaxReply = 64 << 20;

QByteArray Frame(const QByteArray& payload);

enum class FrameState { Incomplete, Complete, TooLarge };
// Takes the first whole frame off the front of BUFFER into *payload.
FrameState TakeFrame(QByteArray& buffer, qint64 maxSize, QByteArray* payload);

QByteArray EncodeRequest(const Request& request);
std::optional<Request> DecodeRequest(const QByteArray& payload);
QByteArray EncodeReply(const Reply& reply);
std::optional<Reply> DecodeReply(const QByteArray& payload);

} // namespace HandOver
