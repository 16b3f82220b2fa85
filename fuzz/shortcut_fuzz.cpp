// Internet shortcut files.
#include "exchange/InternetShortcut.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ShortcutFields fields = ParseShortcut(bytes);
    if (fields.url.contains(u'\n'))
        __builtin_trap();
    return 0;
}
