#pragma once

#include "model/Exceptions.h"

#include <QString>

// Error codes of the socket and HTTP components: the component's own codes
// (57000 and up) and the classic socket codes (10004 to 11004) that stand
// for the system's errors.
namespace SocketCode {
inline constexpr int TimedOut = 57000;
inline constexpr int Canceled = 57001;
inline constexpr int ServerRequired = 57002;
inline constexpr int InvalidVersion = 57003;
inline constexpr int ResolveFailed = 57004;
inline constexpr int ServiceRequired = 57005;
inline constexpr int ProxyPortRequired = 57006;
inline constexpr int InvalidUrl = 57007;
inline constexpr int NotConnected = 57008;

inline constexpr int WouldBlock = 10035;
inline constexpr int NetworkDown = 10050;
inline constexpr int ConnectionAborted = 10053;
inline constexpr int ConnectionReset = 10054;
inline constexpr int NoBufferSpace = 10055;
inline constexpr int ConnectionTimedOut = 10060;
inline constexpr int ConnectionRefused = 10061;
inline constexpr int HostUnreachable = 10065;
inline constexpr int HostNotFound = 11001;
} // namespace SocketCode

// The message of a code: the component's fixed texts, "[code] text" for the
// socket codes, or "Error #" and the code for any other.
QString SocketErrorMessage(int code);

// A socket or HTTP failure; Code() is 0 for failures that have no number
// (a refused certificate, a response over its limits).
class ESocketError : public EZendrivoError
{
public:
    explicit ESocketError(const QString& message, int code = 0) : EZendrivoError(message), m_code(code) {}
    int Code() const { return m_code; }

private:
    int m_code;
};

class ETimedOutError : public ESocketError
{
public:
    ETimedOutError() : ESocketError(QStringLiteral("Operation timed out"), SocketCode::TimedOut) {}
};

class ECanceledError : public ESocketError
{
public:
    ECanceledError() : ESocketError(QStringLiteral("Operation has been canceled"), SocketCode::Canceled) {}
};
