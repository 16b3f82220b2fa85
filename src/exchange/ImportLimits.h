#pragma once

#include <QtGlobal>

// Caps on what the imports of other programs' files accept. Real files are
// far below them; anything larger is taken for a wrong or damaged file.
namespace ImportLimits {
inline constexpr qint64 kMaxPageBytes = 32 * 1024 * 1024;     // bookmark and address-book pages
inline constexpr qint64 kMaxNicknameBytes = 16 * 1024 * 1024; // nicknames files
inline constexpr qint64 kMaxShortcutBytes = 64 * 1024;        // one Internet shortcut
inline constexpr qsizetype kMaxEntries = 200000;              // items one import may create
inline constexpr int kMaxFolderDepth = 64;                    // directory levels walked
} // namespace ImportLimits
