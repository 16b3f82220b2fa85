#pragma once

#include "model/ItemHost.h"

#include <QString>
#include <QStringList>

#include <functional>

// An ItemHost that records every request as one line of text, for tests.
class RecordingHost : public ItemHost
{
public:
    RecordingHost() { ItemHost::Install(this); }
    ~RecordingHost() override { ItemHost::Install(nullptr); }

    QStringList calls;
    // Answers EditItem; by default the dialog is cancelled.
    std::function<bool(TZVBObject&, bool)> onEdit;

    bool EditItem(TZVBObject& item, bool isNew) override;
    void BeginRename(TTreeNode& node) override;
    void SelectNode(TTreeNode* node) override;
    void Dial(const QString& name, const QString& number) override;
    void SendMail(TEMailObject& item, const QString& attachmentPath) override;
    void SendFax(const QString& name, const QString& number, const QString& attachmentPath) override;
    void Browse(const QString& url) override;
    void ShellOpen(const QString& path, const QString& parameters, const QString& workingDirectory) override;
    int DocumentImageIndex(const QString& path, int currentIndex) override;
    int ToolImageIndex(const QString& program) override;
};
