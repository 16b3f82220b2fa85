// The messages a desktop program reads from its local socket: frames, then
// requests and replies. Whatever decodes must survive encoding and decoding again.
#include "platform/HandOverMessage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray buffer(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QByteArray payload;
    while (HandOver::TakeFrame(buffer, HandOver::kMaxRequest, &payload) == HandOver::FrameState::Complete) {
        if (const auto request = HandOver::DecodeRequest(payload)) {
            const auto again = HandOver::DecodeRequest(HandOver::EncodeRequest(*request));
            if (!again || again->kind != request->kind || again->arguments != request->arguments
                || again->workingDirectory != request->workingDirectory)
                __builtin_trap();
        }
        if (const auto reply = HandOver::DecodeReply(payload)) {
            const auto again = HandOver::DecodeReply(HandOver::EncodeReply(*reply));
            if (!again || again->exitCode != reply->exitCode || again->out != reply->out || again->err != reply->err)
                __builtin_trap();
        }
    }
    return 0;
}
