// The server's multistatus answers, and the merge of the cards they carry.
#include "sync/CardMerge.h"
#include "sync/Multistatus.h"
#include "exchange/StandardCard.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Multistatus parsed;
    if (!MultistatusParser::Parse(bytes, parsed))
        return 0;
    for (const DavResource& resource : parsed.resources) {
        if (resource.status < 0)
            __builtin_trap();
        const QString merged = CardMerge::Merge(resource.addressData, resource.addressData);
        (void)StandardCard::IsOrganization(merged);
        (void)StandardCard::UidOf(merged);
    }
    return 0;
}
