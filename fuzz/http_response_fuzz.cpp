// Reads arbitrary bytes as an HTTP response, in pieces whose sizes come from
// the input: nothing may crash, and the same bytes fed at once must give the
// same result, within the limits.
#include "comm/HttpResponseParser.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2 || size > 1 << 20)
        return 0;
    const bool head = (data[0] & 1) != 0;
    const qsizetype piece = 1 + data[1] % 64;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));

    HttpResponseParser pieces(head);
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        pieces.Feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
    pieces.Finish();
    HttpResponseParser whole(head);
    whole.Feed(bytes);
    whole.Finish();

    if (pieces.IsDone() != whole.IsDone() || pieces.HasFailed() != whole.HasFailed())
        std::abort();
    if (pieces.IsDone() && (pieces.Body() != whole.Body() || pieces.StatusCode() != whole.StatusCode()))
        std::abort();
    if (pieces.Body().size() > HttpLimits::MaxBody || pieces.Headers().Count() > HttpLimits::MaxHeaderLines)
        std::abort();
    for (const QString& line : pieces.Headers().Lines())
        (void)pieces.Headers().Value(line.section(u':', 0, 0));
    return 0;
}
