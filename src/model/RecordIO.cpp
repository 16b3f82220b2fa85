#include "model/RecordIO.h"

#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TextCodec.h"
#include "model/TextRules.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <cstdint>
#include <vector>

namespace RecordIO {

void WriteRecordTree(const TZVBObject& item, int level, QString& out)
{
    out += item.WriteRecord(level);
    out += u"\r\n";
    for (const auto& ref : item.Contents())
        WriteRecordTree(*ref->Item(), level + 1, out);
}

void WriteNodeTree(const TTreeNode& node, int level, QString& out, bool withRemoteContents)
{
    const TZVBObject* item = node.Item();
    if (item->IsRemote() && !withRemoteContents) {
        out += item->WriteRecord(level);
        out += u"\r\n";
        return;
    }
    WriteRecordTree(*item, level, out);
    for (const auto& child : node.Children())
        WriteNodeTree(*child, level + 1, out, withRemoteContents);
}

namespace {

struct Header
{
    int level = 0;
    int classCode = 0;
    QList<QString> fields;
};

// "{" level class one-character "}" Title~~Value~~Comment~~Id
bool ParseHeader(const QString& line, Header& header)
{
    if (line.isEmpty() || line[0] != u'{')
        return false;
    QStringView rest = QStringView(line).sliced(1);
    const TextRules::ScannedInteger level = TextRules::ScanInteger(rest);
    if (!level.ok)
        return false;
    rest = rest.sliced(level.consumed);
    const TextRules::ScannedInteger code = TextRules::ScanInteger(rest);
    if (!code.ok)
        return false;
    rest = rest.sliced(code.consumed);
    if (rest.size() < 2 || rest[1] != u'}')
        return false;
    header.fields = TextRules::SplitFields(rest.sliced(2));
    if (header.fields.size() != 4)
        return false;
    header.level = static_cast<std::int16_t>(level.value & 0xFFFF);
    header.classCode = code.value & 0xFF;
    return true;
}

struct OpenContainer
{
    TTreeNode* node;
    int level;
};

// Reads records from the lines that nextLine hands out.
int ReadRecordLines(const std::function<bool(QString&)>& nextLine, TTreeNode* target, int* skipped)
{
    int created = 0;
    std::vector<OpenContainer> open;
    open.push_back({target, 0});
    Header header;
    QString line;
    QString details;
    while (nextLine(line)) {
        if (!ParseHeader(line, header))
            continue;
        details.resize(0);
        if (header.classCode != ClassCode::Root)
            nextLine(details);
        while (open.size() > 1 && open.back().level >= header.level)
            open.pop_back();
        TTreeNode* parent = open.back().node;
        const std::int32_t id = TextRules::ParseInteger(header.fields[3]);
        try {
            ItemHandle made = CreateItem(header.classCode, header.fields[0], header.fields[1], id, details, parent,
                                         header.fields[2]);
            if (header.classCode == ClassCode::Root)
                continue; // the root's own record: made and dropped
            ++created;
            if (made.node)
                open.push_back({made.node, header.level});
        } catch (const ERemoteParent&) {
            // Nothing below a remote folder is read outside its refresh.
            if (skipped)
                ++*skipped;
        }
    }
    return created;
}

} // namespace

int ReadRecords(const QList<QString>& lines, qsizetype firstLine, TTreeNode* target, int* skipped)
{
    qsizetype at = firstLine;
    return ReadRecordLines(
        [&](QString& line) {
            if (at >= lines.size())
                return false;
            line = lines[at++];
            return true;
        },
        target, skipped);
}

int ReadRecords(QByteArrayView bytes, qsizetype firstLine, TTreeNode* target, int* skipped)
{
    TextCodec::LineReader reader(bytes);
    QString passed;
    for (qsizetype i = 0; i < firstLine && reader.Next(passed); ++i) {
    }
    return ReadRecordLines([&reader](QString& line) { return reader.Next(line); }, target, skipped);
}

} // namespace RecordIO
