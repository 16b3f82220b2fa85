#include "comm/SocketErrors.h"

#include <array>
#include <utility>

namespace {

struct CodeText
{
    int code;
    const char* text;
};

// The standard descriptions, kept as users of the classic socket interface know them.
constexpr std::array kSocketTexts{
    CodeText{10004, "Interrupted system call"},
    CodeText{10009, "Bad file number"},
    CodeText{10013, "Permission denied."},
    CodeText{10014, "Bad address"},
    CodeText{10022, "Invalid argument"},
    CodeText{10024, "Too many open files"},
    CodeText{10035, "Resource temporarily not available"},
    CodeText{10036, "Operation now in progress"},
    CodeText{10037, "Operation already in progress"},
    CodeText{10038, "Socket operation on non-socket"},
    CodeText{10039, "Destination address required"},
    CodeText{10040, "Message too long"},
    CodeText{10041, "Protocol wrong type for socket"},
    CodeText{10042, "Bad protocol option"},
    CodeText{10043, "Protocol not supported"},
    CodeText{10044, "Socket type not supported"},
    CodeText{10045, "Operation not supported on socket"},
    CodeText{10046, "Protocol family not supported"},
    CodeText{10047, "Address family not supported by protocol family"},
    CodeText{10048, "Address already in use"},
    CodeText{10049, "Can't assign requested address"},
    CodeText{10050, "Network is down"},
    CodeText{10051, "Network is unreachable"},
    CodeText{10052, "Net dropped connection or reset"},
    CodeText{10053, "Software caused connection abort"},
    CodeText{10054, "Connection reset by peer"},
    CodeText{10055, "No buffer space available"},
    CodeText{10056, "Socket is already connected"},
    CodeText{10057, "Socket is not connected"},
    CodeText{10058, "Can't send after socket shutdown"},
    CodeText{10059, "Too many references, can't splice"},
    CodeText{10060, "Connection timed out"},
    CodeText{10061, "Connection refused"},
    CodeText{10062, "Too many levels of symbolic links"},
    CodeText{10063, "File name too long"},
    CodeText{10064, "Host is down"},
    CodeText{10065, "No route to Host"},
    CodeText{10066, "Directory not empty"},
    CodeText{10067, "Too many processes"},
    CodeText{10068, "Too many users"},
    CodeText{10069, "Disc Quota Exceeded"},
    CodeText{10070, "Stale NFS file handle"},
    CodeText{10071, "Too many levels of remote in path"},
    CodeText{10091, "Network SubSystem is unavailable"},
    CodeText{10092, "WINSOCK DLL Version out of range"},
    CodeText{10093, "Successful WSAStartup() not yet performed"},
    CodeText{10094, "Graceful shutdown in progress"},
    CodeText{11001, "Host not found"},
    CodeText{11002, "Non-Authoritative Host not found"},
    CodeText{11003, "Non-Recoverable errors: FORMERR, REFUSED, NOTIMP"},
    CodeText{11004, "Valid name, no data record of requested type"},
};

constexpr std::array kOwnTexts{
    CodeText{57000, "Operation timed out"},
    CodeText{57001, "Operation has been canceled"},
    CodeText{57002, "Server property is required"},
    CodeText{57003, "Invalid Winsock version"},
    CodeText{57004, "Error resolving remote host"},
    CodeText{57005, "Service name is required"},
    CodeText{57006, "Proxy port is required"},
    CodeText{57007, "Invalid URL"},
    CodeText{57008, "You have to connect to the server first"},
};

} // namespace

QString SocketErrorMessage(int code)
{
    for (const CodeText& entry : kOwnTexts) {
        if (entry.code == code)
            return QString::fromLatin1(entry.text);
    }
    for (const CodeText& entry : kSocketTexts) {
        if (entry.code == code)
            return QStringLiteral("[%1] %2").arg(code).arg(QString::fromLatin1(entry.text));
    }
    return QStringLiteral("Error #%1").arg(code);
}
