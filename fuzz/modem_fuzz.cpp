// Arbitrary bytes from a modem: split into lines, caller-ID fields taken and
// parsed. Nothing may crash, and what comes out stays within its caps and
// free of control characters.
#include "comm/ModemCallerIdFields.h"
#include "comm/ModemPort.h"
#include "comm/TCallerID.h"

#include <QObject>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 16)
        return 0;
    ModemPort port;
    ModemCallerIdFields fields;
    TCallerID callerId;
    QObject::connect(&port, &ModemPort::LineReceived, [&](const QByteArray& line) {
        if (line.size() > ModemPort::MaxLineLength)
            std::abort();
        ModemPort::Result result;
        ModemPort::IsFinalResult(line, &result);
        if (!fields.Feed(line) && fields.Pending()) {
            const ModemCallerIdFields::Report report = fields.Take();
            callerId.Parse(report.flags, report.number, report.name);
            if (callerId.Name().size() > TCallerID::MaxNameLength)
                std::abort();
            for (QChar c : QString(callerId.Name() + callerId.Number())) {
                if (c == u'\r' || c == u'\n' || c == u'\t')
                    std::abort();
            }
        }
    });
    port.Feed(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
