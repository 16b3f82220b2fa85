#include "RecordingHost.h"

#include "model/EMailObject.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

bool RecordingHost::EditItem(TZVBObject& item, bool isNew)
{
    calls.append(QStringLiteral("edit %1%2").arg(item.Title(), isNew ? QStringLiteral(" new") : QString()));
    return onEdit ? onEdit(item, isNew) : false;
}

void RecordingHost::BeginRename(TTreeNode& node)
{
    calls.append(u"rename " + node.Item()->Title());
}

void RecordingHost::SelectNode(TTreeNode* node)
{
    calls.append(u"select " + (node ? node->Item()->Title() : QStringLiteral("none")));
}

void RecordingHost::Dial(const QString& name, const QString& number)
{
    calls.append(u"dial " + name + u" " + number);
}

void RecordingHost::SendMail(TEMailObject& item, const QString& attachmentPath)
{
    calls.append(u"mail " + item.Value() + u" " + attachmentPath);
}

void RecordingHost::SendFax(const QString& name, const QString& number, const QString& attachmentPath)
{
    calls.append(u"fax " + name + u" " + number + u" " + attachmentPath);
}

void RecordingHost::Browse(const QString& url)
{
    calls.append(u"browse " + url);
}

void RecordingHost::ShellOpen(const QString& path, const QString& parameters, const QString& workingDirectory)
{
    calls.append(u"open " + path + u" [" + parameters + u"] in " + workingDirectory);
}

int RecordingHost::DocumentImageIndex(const QString& path, int currentIndex)
{
    calls.append(u"icon " + path);
    return currentIndex;
}

int RecordingHost::ToolImageIndex(const QString& /*program*/)
{
    return 13;
}
