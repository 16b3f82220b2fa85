#pragma once

#include <cstdint>

// Class codes stored in every item and every record. A code doubles as the
// item's default image index.
namespace ClassCode {
inline constexpr int Folder = 0;
inline constexpr int Organization = 1;
inline constexpr int Team = 2;
inline constexpr int Person = 3;
inline constexpr int Website = 4;
inline constexpr int Address = 5;
inline constexpr int Phone = 6;
inline constexpr int EMail = 7;
inline constexpr int Fax = 8;
inline constexpr int Reminder = 9;
inline constexpr int Document = 10;
inline constexpr int Root = 11;
inline constexpr int Tool = 12;

// Codes 0 to 4 own a node of the folder tree.
constexpr bool IsContainer(int code) { return code >= Folder && code <= Website; }
} // namespace ClassCode

// Indexes into the one image list (small and large variants).
namespace ImageIndex {
inline constexpr int OpenFolder = 10;
inline constexpr int DueReminder = 11;
inline constexpr int Root = 12;
inline constexpr int GenericFile = 13;
inline constexpr int RemoteFolder = 14;
inline constexpr int OpenRemoteFolder = 15;
inline constexpr int Count = 16;
} // namespace ImageIndex

inline constexpr std::int32_t kRootId = 32892645;
