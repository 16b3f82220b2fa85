// Anchor and title parsing of bookmark and address-book pages, fed whole pages.
#include "exchange/HtmlLines.h"
#include "exchange/NetscapeAnchor.h"
#include "exchange/NetscapePage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QString> lines = HtmlLines::Split(bytes);
    (void)GetBMTitle(lines);
    for (const QString& line : lines) {
        if (const std::optional<AnchorInfo> anchor = GetAnchorInfo(line)) {
            if (anchor->link.isEmpty())
                __builtin_trap();
        }
    }
    (void)ParseAddressPage(bytes);
    return 0;
}
