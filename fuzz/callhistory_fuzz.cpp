// Arbitrary bytes as a call history file: what reads must write and read
// back to the same entries (each load draws fresh ids, so those differ).
#include "comm/CallHistory.h"
#include "model/ZVBObject.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 20)
        return 0;
    CallHistory history;
    history.ReadRecords(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    CallHistory again;
    again.ReadRecords(history.Records().toUtf8());
    if (again.Count() != history.Count())
        std::abort();
    for (int i = 0; i < history.Count(); ++i) {
        const TZVBObject* a = history.Item(i);
        const TZVBObject* b = again.Item(i);
        if (a->ClassCode() != b->ClassCode() || a->Title() != b->Title() || a->Value() != b->Value()
            || a->Comment() != b->Comment())
            std::abort();
    }
    return 0;
}
