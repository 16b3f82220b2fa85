#pragma once

#include <QString>

class TZVBObject;
class TEMailObject;
class TTreeNode;

// What the items ask of the desktop: dialogs, dialing, mail, fax, browsing,
// launching and selecting a node. The desktop program installs its
// implementation at start; without one (the command line tool, tests) every
// request does nothing and dialogs answer Cancel.
class ItemHost
{
public:
    virtual ~ItemHost() = default;

    // Runs the class's edit dialog on the item; true when the user pressed OK
    // and the dialog's changes were taken over.
    virtual bool EditItem(TZVBObject& item, bool isNew) = 0;
    // Makes the node visible and starts editing its label in place.
    virtual void BeginRename(TTreeNode& node) = 0;
    // Selects the node in the folder tree (null selects nothing).
    virtual void SelectNode(TTreeNode* node) = 0;

    virtual void Dial(const QString& name, const QString& number) = 0;
    virtual void SendMail(TEMailObject& item, const QString& attachmentPath) = 0;
    virtual void SendFax(const QString& name, const QString& number, const QString& attachmentPath) = 0;
    virtual void Browse(const QString& url) = 0;
    // Starts a program or opens a document; empty parameters pass none.
    virtual void ShellOpen(const QString& path, const QString& parameters, const QString& workingDirectory) = 0;

    // The image index of a document's file icon; the current index is
    // replaced when it is not the generic one.
    virtual int DocumentImageIndex(const QString& path, int currentIndex) = 0;
    // The image index of the configured tool with this program, or the generic one.
    virtual int ToolImageIndex(const QString& program) = 0;

    // The host that items talk to, or null.
    static ItemHost* Current();
    static void Install(ItemHost* host);
};
