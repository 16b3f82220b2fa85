// Label sheet templates and stored label types, fed arbitrary bytes.
#include "reports/LabelDimension.h"
#include "reports/SheetTemplates.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const TLabelDimension& label : SheetTemplates::Parse(bytes)) {
        // Every template taken must describe a printable sheet.
        if (!label.IsSane() || label.name.isEmpty())
            __builtin_trap();
    }
    // A stored type read back must write the same text again.
    if (const auto label = TLabelDimension::FromText(QString::fromUtf8(bytes))) {
        const auto again = TLabelDimension::FromText(label->ToText());
        if (!again || !(*again == *label))
            __builtin_trap();
    }
    return 0;
}
