#pragma once

#include <QString>

#include <cstdint>

// Result codes of the line layer. The codes and their "LINEERR_" names are
// the telephony service's own, so logs and messages read the same as with
// any other telephony program; two codes of our own sit beside them.
namespace LineErrors {

inline constexpr std::int32_t Ok = 0;
// The line opened only with the data-modem media mode.
inline constexpr std::int32_t NotCompliant = -987;
// The modem failed: it does not answer, answered nonsense or went away.
inline constexpr std::int32_t DeviceError = -2;

inline constexpr std::int32_t Allocated = static_cast<std::int32_t>(0x80000001u);
inline constexpr std::int32_t BadDeviceId = static_cast<std::int32_t>(0x80000002u);
inline constexpr std::int32_t CallUnavail = static_cast<std::int32_t>(0x80000005u);
inline constexpr std::int32_t DialDialtone = static_cast<std::int32_t>(0x80000009u);
inline constexpr std::int32_t InUse = static_cast<std::int32_t>(0x8000000Fu);
inline constexpr std::int32_t InvalAddress = static_cast<std::int32_t>(0x80000010u);
inline constexpr std::int32_t InvalCallHandle = static_cast<std::int32_t>(0x80000018u);
inline constexpr std::int32_t InvalCallState = static_cast<std::int32_t>(0x8000001Cu);
inline constexpr std::int32_t InvalLineHandle = static_cast<std::int32_t>(0x8000002Bu);
inline constexpr std::int32_t InvalMediaMode = static_cast<std::int32_t>(0x8000002Fu);
inline constexpr std::int32_t NoDevice = static_cast<std::int32_t>(0x80000042u);
inline constexpr std::int32_t NoMem = static_cast<std::int32_t>(0x80000044u);
inline constexpr std::int32_t OperationFailed = static_cast<std::int32_t>(0x80000048u);
inline constexpr std::int32_t OperationUnavail = static_cast<std::int32_t>(0x80000049u);
inline constexpr std::int32_t ResourceUnavail = static_cast<std::int32_t>(0x8000004Bu);
inline constexpr std::int32_t StructureTooSmall = static_cast<std::int32_t>(0x8000004Du);
inline constexpr std::int32_t NoMultipleInstance = static_cast<std::int32_t>(0x80000056u);

// "LINEERR_" + the code's name, "" for 0, "Not 100% TAPI compliant" for
// -987, "LINE_ERROR_DEVICE" for -2, else "Unknown [" + Hex(code) + "]".
QString Text(std::int32_t code);
// The code as 8 upper-case hexadecimal digits.
QString Hex(std::int32_t code);

} // namespace LineErrors
