#include "exchange/VCardFile.h"
#include "exchange/VCardImport.h"
#include "model/Card.h"
#include "model/ItemTree.h"

#include <cstddef>
#include <cstdint>

// Parses arbitrary bytes as a card file and imports the cards into a tree,
// half of them as organizations; then formats them again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TVCardFile file;
    file.ReadBytes(QByteArrayView(data, static_cast<qsizetype>(size)));
    const QString text = CardText::Format(file.Cards());
    TItemTree tree;
    bool flip = false;
    VCardImport::ImportCards(file, tree.CreateRoot(), [&flip](const TCard&) { return flip = !flip; });
    (void)text;
    return 0;
}
