#include "ui/commands/ItemCommands.h"

#include "exchange/ExchangeFile.h"
#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/RecordIO.h"
#include "model/RegularFile.h"
#include "model/TextCodec.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"
#include "platform/ShellLauncher.h"
#include "ui/commands/ClipboardTransfer.h"
#include "ui/common/CommandIcons.h"
#include "ui/common/ImageLists.h"
#include "ui/common/PlainMessage.h"
#include "ui/panes/FilterController.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/panes/PaneHost.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <QToolBar>

namespace {

struct NewKind
{
    int code;
    const char16_t* menuText;
    const char16_t* menuName;
    const char16_t* buttonText;
    const char16_t* buttonName;
    QKeyCombination shortcut;
    const char16_t* title;
};

const NewKind kKinds[] = {
    {0, u"&Folder", u"FolderItem", u"Fo&lder", u"NewFolderBtn", Qt::CTRL | Qt::Key_L, u"New Folder"},
    {1, u"&Organization", u"OrgItem", u"&Org", u"NewOrgBtn", Qt::CTRL | Qt::Key_O, u"New Organization"},
    {2, u"&Team", u"TeamItem", u"&Team", u"NewTeamBtn", Qt::CTRL | Qt::Key_T, u"New Team"},
    {3, u"&Person", u"PersonItem", u"&Person", u"NewPersonBtn", Qt::CTRL | Qt::Key_P, u"New Person"},
    {4, u"&Website", u"WebsiteItem", u"&Web", u"NewWebBtn", Qt::CTRL | Qt::Key_W, u"New Website"},
    {5, u"&Address", u"AddressItem", u"&Addr", u"NewAddrBtn", Qt::CTRL | Qt::Key_A, u"New Address"},
    {6, u"&Phone", u"PhoneItem", u"Pho&ne", u"NewPhoneBtn", Qt::CTRL | Qt::Key_N, u"New Phone"},
    {7, u"&E-Mail", u"EMailItem", u"&E-mail", u"NewEMailBtn", Qt::CTRL | Qt::Key_E, u"New E-Mail"},
    {8, u"&Fax", u"FaxItem", u"Fa&x", u"NewFaxBtn", Qt::CTRL | Qt::Key_F, u"New Fax"},
    {9, u"&Reminder", u"DateItem", u"&Remind", u"NewDateBtn", Qt::CTRL | Qt::Key_R, u"New Reminder"},
    {10, u"&Document", u"DocItem", u"", u"", Qt::CTRL | Qt::Key_D, u"New Document"},
};

QString Text(const char16_t* text)
{
    return QString::fromUtf16(text);
}

ItemRef* RefOf(const TZVBObject* container, const TZVBObject* item)
{
    for (const auto& ref : container->Contents()) {
        if (ref->Item() == item)
            return ref.get();
    }
    return nullptr;
}

void WriteClipboardFile(const QString& text)
{
    const QString path = QString::fromUtf16(kClipboardFile);
    RegularFile::CheckWriteTarget(path);
    const QByteArray bytes = TextCodec::Encode(text);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EZendrivoError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

QString ReadClipboardFile()
{
    return QString::fromUtf8(RegularFile::Read(QString::fromUtf16(kClipboardFile)));
}

} // namespace

ItemCommands::ItemCommands(PaneHost& panes) : QObject(panes.Window()), m_form(panes)
{
    m_fileNew = new QMenu(QStringLiteral("&New"), panes.Window());
    m_fileNew->setObjectName(QStringLiteral("NewMenu"));
    m_popupNew = new QMenu(QStringLiteral("Ne&w"), panes.Window());
    m_popupNew->setObjectName(QStringLiteral("ListPaneNew"));
    for (const NewKind& kind : kKinds) {
        QAction* action = MakeAction(Text(kind.menuText), Text(kind.menuName), QKeySequence(kind.shortcut),
                                     QStringLiteral("Create a new %1").arg(Text(kind.title).mid(4).toLower()));
        const int code = kind.code;
        // The class codes of the containers and contact points are their picture's index too.
        action->setIcon(ImageLists::StandardIcon(code == ClassCode::Document ? ImageLists::Document : code));
        connect(action, &QAction::triggered, this, [this, code] { NewItem(code); });
        (kind.code <= 4 ? m_newContainer : m_newLeaf).append(action);
        if (kind.code <= 4)
            m_fileNew->addAction(action);
    }
    m_popupNew->addActions(m_newContainer);
    m_popupNew->addSeparator();
    m_popupNew->addActions(m_newLeaf);

    m_cut = MakeAction(QStringLiteral("Cu&t"), QStringLiteral("Cut1"), QKeySequence(Qt::CTRL | Qt::Key_X),
                       QStringLiteral("Move the selection to the clipboard"));
    connect(m_cut, &QAction::triggered, this, &ItemCommands::Cut);
    m_copy = MakeAction(QStringLiteral("&Copy"), QStringLiteral("Copy1"), QKeySequence(Qt::CTRL | Qt::Key_C),
                        QStringLiteral("Copy the selection to the clipboard"));
    connect(m_copy, &QAction::triggered, this, &ItemCommands::Copy);
    m_paste = MakeAction(QStringLiteral("&Paste"), QStringLiteral("Paste1"), QKeySequence(Qt::CTRL | Qt::Key_V),
                         QStringLiteral("Insert the clipboard's items into the selected folder"));
    connect(m_paste, &QAction::triggered, this, &ItemCommands::Paste);
    m_delete = MakeAction(QStringLiteral("&Delete"), QStringLiteral("Delete1"), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
                          QStringLiteral("Delete the selection and everything below it"));
    // The Delete key too, with the same question; text fields keep it for themselves.
    m_delete->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_Delete), QKeySequence(Qt::Key_Delete)});
    connect(m_delete, &QAction::triggered, this, [this] { Delete(true); });
    m_properties = MakeAction(QStringLiteral("&Properties..."), QStringLiteral("ListPaneProps"), QKeySequence(),
                              QStringLiteral("Show and change the selected item's details"));
    connect(m_properties, &QAction::triggered, this, &ItemCommands::Properties);
    m_notes = MakeAction(QStringLiteral("&Notes..."), QStringLiteral("Notes1"), QKeySequence(),
                         QStringLiteral("Open the notes program"));
    connect(m_notes, &QAction::triggered, this, &ItemCommands::StartNotes);

    const std::pair<QAction*, const char16_t*> icons[] = {
        {m_cut, u"edit-cut"}, {m_copy, u"edit-copy"}, {m_paste, u"edit-paste"},
        {m_delete, u"edit-delete"}, {m_properties, u"document-properties"}};
    for (const auto& [action, name] : icons)
        action->setIcon(CommandIcons::Get(QString::fromUtf16(name)));
    m_fileNew->setIcon(CommandIcons::Get(QStringLiteral("document-new")));

    m_popupEdit = new QMenu(QStringLiteral("&Edit"), panes.Window());
    m_popupEdit->setObjectName(QStringLiteral("ListPaneEdit"));
    m_popupEdit->addAction(m_cut);
    m_popupEdit->addAction(m_copy);
    m_popupEdit->addAction(m_delete);
}

QAction* ItemCommands::MakeAction(const QString& text, const QString& name, const QKeySequence& shortcut, const QString& tip)
{
    auto* action = new QAction(text, m_form.Window());
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setStatusTip(tip);
    // Shortcuts of pop-up entries work from anywhere in the window.
    m_form.Window()->addAction(action);
    return action;
}

void ItemCommands::FillNewItemBar(QToolBar* bar)
{
    int i = 0;
    for (const NewKind& kind : kKinds) {
        QAction* action = (kind.code <= 4 ? m_newContainer : m_newLeaf).at(kind.code <= 4 ? i : i - 5);
        ++i;
        if (Text(kind.buttonName).isEmpty())
            continue;
        auto* button = new QAction(action->icon(), Text(kind.buttonText), bar);
        button->setObjectName(Text(kind.buttonName));
        button->setStatusTip(action->statusTip());
        button->setToolTip(action->text().remove(u'&'));
        connect(button, &QAction::triggered, action, &QAction::trigger);
        bar->addAction(button);
    }
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void ItemCommands::FillSpeedBar(QToolBar* bar)
{
    for (QAction* action : {m_cut, m_copy, m_paste, m_delete, m_properties}) {
        bar->addAction(action);
        if (QWidget* button = bar->widgetForAction(action)) {
            const QString name = action->objectName();
            button->setObjectName(name == u"ListPaneProps" ? QStringLiteral("PropsBtn")
                                                            : name.chopped(1) + QStringLiteral("Btn"));
        }
    }
}

void ItemCommands::AddEditActions(QMenu* edit)
{
    edit->addAction(m_cut);
    edit->addAction(m_copy);
    edit->addAction(m_paste);
    edit->addAction(m_delete);
}

void ItemCommands::AddPopupActions(QMenu* popup, QAction* renameAction)
{
    m_popupEdit->addAction(renameAction);
    popup->addAction(m_notes);
    popup->addAction(m_properties);
    popup->addSeparator();
    popup->addMenu(m_popupNew);
    popup->addMenu(m_popupEdit);
}

void ItemCommands::ShowError(const QString& message)
{
    PlainMessage::Critical(m_form.Window(), QStringLiteral("Zendrivo"), message);
}

bool ItemCommands::Ask(const QString& caption, const QString& text)
{
    if (m_question)
        return m_question(caption, text);
    return PlainMessage::Show(m_form.Window(), QMessageBox::Question, caption, text,
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
        == QMessageBox::Yes;
}

TZVBObject* ItemCommands::NewItem(int classCode)
{
    TTreeNode* parent = m_form.SelectedNode();
    QString title;
    for (const NewKind& kind : kKinds) {
        if (kind.code == classCode)
            title = Text(kind.title);
    }
    ItemHandle made;
    try {
        made = CreateItem(classCode, title, QString(), 0, QString(), parent, QString());
    } catch (const EZendrivoError& e) {
        ShowError(e.Message());
        return nullptr;
    }
    TZVBObject* item = made.Item();
    if (made.node) {
        const bool accepted = item->EditNew(made.node);
        // Folders and teams are named in place and stay whatever the edit does.
        if (classCode == 0 || classCode == 2)
            return item;
        if (!accepted) {
            m_form.Tree().DeleteNode(made.node);
            return nullptr;
        }
        m_form.RefreshListPane(m_form.SelectedNode());
        return item;
    }
    const bool accepted = item->EditNew(parent);
    if (!accepted) {
        DeleteContent(parent->Item(), made.ref);
        item = nullptr;
    }
    m_form.RefreshListPane(m_form.SelectedNode());
    return item;
}

TZVBObject* ItemCommands::NewToolItem(const QString& toolName, const QString& program, const QString& parameters)
{
    TTreeNode* parent = m_form.SelectedNode();
    ItemHandle made;
    try {
        made = CreateItem(12, u"New " + toolName, QString(), 0, u"{Tool}" + program + u"~~" + parameters, parent, QString());
    } catch (const EZendrivoError& e) {
        ShowError(e.Message());
        return nullptr;
    }
    TZVBObject* item = made.Item();
    if (!item->EditNew(parent)) {
        DeleteContent(parent->Item(), made.ref);
        item = nullptr;
    }
    m_form.RefreshListPane(m_form.SelectedNode());
    return item;
}

QString ItemCommands::DeleteDescription() const
{
    if (m_form.ActivePane() == u"MainItems") {
        const QList<TZVBObject*> rows = m_form.MainItems()->SelectedItems();
        if (rows.isEmpty())
            return QString();
        return rows.size() > 1 ? QStringLiteral("the %1 selected items").arg(rows.size()) : rows.first()->Title();
    }
    const TTreeNode* node = m_form.SelectedNode();
    if (!node || !node->Parent())
        return QString();
    return node->Item()->Title();
}

void ItemCommands::Delete(bool ask)
{
    const QString description = DeleteDescription();
    if (description.isEmpty())
        return;
    if (ask && !Ask(QStringLiteral("Warning"),
                    u"Are you sure you want to delete " + description + u" and all sub-items?"))
        return;
    TTreeNode* selected = m_form.SelectedNode();
    if (m_form.ActivePane() == u"MainItems") {
        const QList<TZVBObject*> rows = m_form.MainItems()->SelectedItems();
        TItemTree::SortBatch batch(m_form.Tree());
        for (TZVBObject* item : rows) {
            if (item->IsContainer())
                m_form.Tree().DeleteNode(item->Node());
            else if (ItemRef* ref = RefOf(selected->Item(), item))
                DeleteContent(selected->Item(), ref);
        }
        m_form.Tree().SortChildren(selected);
    } else {
        TTreeNode* parent = selected->Parent();
        m_form.Tree().DeleteNode(selected);
        m_form.SelectNode(parent);
    }
    m_form.RefreshListPane(m_form.SelectedNode());
}

QString ItemCommands::CopyText(QString* plainText) const
{
    QString records;
    QStringList plain;
    if (m_form.ActivePane() == u"MainItems") {
        const QList<TZVBObject*> rows = m_form.MainItems()->SelectedItems();
        if (rows.size() == 1 && !rows.first()->IsContainer()) {
            *plainText = rows.first()->ClipboardText();
            return rows.first()->CopyToClipboard() + u"\r\n";
        }
        for (const TZVBObject* item : rows) {
            if (item->IsContainer())
                RecordIO::WriteNodeTree(*item->Node(), 1, records);
            else
                RecordIO::WriteRecordTree(*item, 1, records);
            plain.append(item->Title());
        }
    } else if (const TTreeNode* node = m_form.SelectedNode()) {
        // From the tree the subtree travels as an exchange file would.
        const FilterController& filters = m_form.Filters();
        records = ExchangeFile::ExchangeText(*node, [&filters](const TZVBObject& item) { return filters.PassesFilter(item); });
        plain.append(node->Item()->Title());
    }
    *plainText = plain.join(u"\r\n");
    return records;
}

bool ItemCommands::CopySelection()
{
    try {
        QString plain;
        QString records = CopyText(&plain);
        if (records.isEmpty())
            return false;
        // The clipboard file keeps the last copy, as a paste rewrites it too.
        WriteClipboardFile(records);
        records = ReadClipboardFile();
        ClipboardTransfer::Put(records, plain);
        return true;
    } catch (const EZendrivoError& e) {
        ShowError(e.Message());
    }
    return false;
}

void ItemCommands::Copy()
{
    CopySelection();
}

void ItemCommands::Cut()
{
    if (DeleteDescription().isEmpty())
        return;
    // What did not reach the clipboard stays where it is.
    if (CopySelection())
        Delete(false);
}

void ItemCommands::Paste()
{
    const QString records = ClipboardTransfer::Records();
    if (records.isEmpty())
        return;
    TTreeNode* target = m_form.SelectedNode();
    try {
        if (target->Item()->IsRemote() || target->Item()->InRemote())
            throw ERemoteParent();
        WriteClipboardFile(records);
        TItemTree::SortBatch batch(m_form.Tree());
        ImportExchangeFile(target, QString::fromUtf16(kClipboardFile));
        m_form.Tree().SortChildren(target);
    } catch (const EZendrivoError& e) {
        ShowError(e.Message());
    }
    m_form.RefreshListPane(target);
}

void ItemCommands::Properties()
{
    TZVBObject* item = nullptr;
    if (m_form.ActivePane() == u"MainItems")
        item = m_form.MainItems()->SelectedItem();
    else if (TTreeNode* node = m_form.SelectedNode(); node && node->Parent())
        item = node->Item();
    if (!item)
        return;
    item->Edit();
    m_form.RefreshListPane(m_form.SelectedNode());
}

void ItemCommands::StartNotes()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("jotbook"));
    if (program.isEmpty()) {
        QMessageBox::information(m_form.Window(), QStringLiteral("Notes"),
                                 QStringLiteral("The notes program \"jotbook\" is not installed."));
        return;
    }
    const auto result = ShellLauncher().Launch(program, QString());
    if (!result.ok)
        ShowError(result.error);
}

TZVBObject* ItemCommands::AddDocument(const QString& path)
{
    TTreeNode* parent = m_form.SelectedNode();
    TZVBObject* item = nullptr;
    try {
        item = CreateItem(10, QFileInfo(path).fileName(), path, 0, QString(), parent, QString()).Item();
    } catch (const EZendrivoError& e) {
        ShowError(e.Message());
    }
    m_form.RefreshListPane(parent);
    return item;
}
