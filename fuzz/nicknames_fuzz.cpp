// Nicknames file lines, and the whole import into a fresh tree.
#include "exchange/NicknamesFile.h"
#include "exchange/NicknamesImport.h"
#include "model/ItemTree.h"
#include "model/TextCodec.h"
#include "model/TextRules.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& line : TextCodec::SplitLines(bytes)) {
        const std::optional<NicknameLine> parsed = ParseNicknameLine(line);
        if (!parsed)
            continue;
        if (parsed->kind == NicknameLine::Kind::Alias && !TextRules::IsInternetMail(parsed->text))
            __builtin_trap();
        if (parsed->kind == NicknameLine::Kind::Note && parsed->text.size() > 255)
            __builtin_trap();
    }
    TItemTree tree;
    tree.CreateRoot();
    (void)ImportEudoraBytes(tree, bytes);
    return 0;
}
