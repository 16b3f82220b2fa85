#pragma once

#include "model/ClassCodes.h"
#include "model/ContentList.h"
#include "model/ItemHeap.h"
#include "model/TextRules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

class ItemRef;
class RecordText;
class THtmlOut;
class TCard;
class TTreeNode;
class TItemTree;

// Entries of the item pop-up menu, in menu order.
enum class ListMenuEntry { Open, SendMail, SendFax, Dial, Browse, AdvanceDate, Launch };
inline constexpr int kListMenuEntryCount = 7;

// Which pop-up entries show for an item.
class ListMenuMask
{
public:
    void Show(ListMenuEntry e, bool on = true) { m_bits.set(static_cast<size_t>(e), on); }
    void Hide(ListMenuEntry e) { Show(e, false); }
    bool Shows(ListMenuEntry e) const { return m_bits.test(static_cast<size_t>(e)); }
    bool operator==(const ListMenuMask&) const = default;

private:
    std::bitset<kListMenuEntryCount> m_bits;
};

// The base of every item. Containers (codes 0 to 4) own a node of the folder
// tree and hold leaf items in Contents; leaves hang in their holder's Contents.
// The root "My Contacts" and items of unknown class codes are plain TZVBObjects.
class TZVBObject
{
public:
    TZVBObject(int classCode, const QString& title, const QString& value, std::int32_t id, const QString& comment);
    virtual ~TZVBObject();
    TZVBObject(const TZVBObject&) = delete;
    TZVBObject& operator=(const TZVBObject&) = delete;

    // Items of a program that pools them live in the item heap (ItemHeap);
    // deleting one through this class gives the size of its own class.
    // Other programs go straight to plain new and delete.
    static void* operator new(std::size_t size)
    {
        return ItemHeap::Pooled() ? ItemHeap::Take(size) : ::operator new(size);
    }
    static void operator delete(void* item, std::size_t size) noexcept
    {
        if (ItemHeap::Pooled())
            ItemHeap::Give(item, size);
        else
            ::operator delete(item, size);
    }

    // Common fields.
    std::uint32_t Categories() const { return m_categories; }
    void SetCategories(std::uint32_t categories) { m_categories = categories; }
    bool InCategory(int category) const { return category >= 1 && category <= 32 && (m_categories >> (category - 1)) & 1U; }
    std::int32_t Id() const { return m_id; }
    int ClassCode() const { return m_classCode; }
    const QString& Title() const { return m_title; }
    const QString& Value() const { return m_value; }
    const QString& Comment() const { return m_comment; }
    void SetComment(const QString& comment);
    std::span<const std::unique_ptr<ItemRef>> Contents() const { return m_contents.View(); }
    // Asks for what writing the item's record reads first, its texts and its
    // contents list, without waiting for them: a walk that writes many
    // items calls it a step ahead, so that the waits for memory overlap.
    void PrefetchRecord() const
    {
        __builtin_prefetch(m_title.constData());
        __builtin_prefetch(m_value.constData());
        m_contents.Prefetch();
    }
    TTreeNode* Node() const { return m_node; }
    int Due() const { return m_due; }
    int DueCount() const { return m_dueCount; }
    bool IsRemote() const { return m_isRemote; }
    bool InRemote() const { return m_inRemote; }
    bool IsContainer() const { return ClassCode::IsContainer(m_classCode); }
    // The tree that holds the item, or null while it is attached nowhere.
    TItemTree* Tree() const;
    // The container that holds this item: for a leaf the item of its node,
    // for a container the item of its node's parent.
    TZVBObject* Holder() const;

    // The record's text, as slot 3 writes it.
    QString WriteRecord(int level) const;

    // Stores Title; the item's own node shows it and its siblings sort again.
    void SetTitle(const QString& title);

    // The 26 operations, in slot order.
    virtual void SetValue(const QString& value);                                   // 0
    virtual int ImageIndex() const;                                                // 1
    virtual void ReadDetails(const QString& line);                                 // 2
    // Writes the record into out, which the caller finishes.
    virtual void WriteRecord(RecordText& out, int level) const;                    // 3
    virtual void AdjustListMenu(ListMenuMask& menu) const;                         // 4
    virtual int SelectedImageIndex() const;                                        // 5
    virtual bool EditNew(TTreeNode* node);                                         // 6
    virtual bool ImportFields(const QStringList& fieldNames, QStringList& row);    // 7
    virtual QString ExportField(const QString& fieldName) const;                   // 8
    virtual void ImportVCard(TCard& card);                                         // 9
    virtual void DefaultAction();                                                  // 10
    virtual bool Edit();                                                           // 11
    virtual void SendMail(const QString& attachmentPath);                          // 12
    virtual void SendFax(const QString& attachmentPath);                           // 13
    virtual void Dial();                                                           // 14
    virtual void Browse();                                                         // 15
    virtual void AdvanceDate();                                                    // 16
    virtual void Launch();                                                         // 17
    virtual void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const;         // 18
    virtual void WriteHtmlIndexLink(THtmlOut& out, const QString& page) const;    // 19
    virtual bool ListedInHtmlIndex() const;                                        // 20
    virtual void WriteVCard(const QString& path) const;                            // 21
    virtual QString VCardLine() const;                                             // 22
    virtual QString CopyToClipboard() const;                                       // 23
    virtual QString ClipboardText() const;                                         // 24
    virtual void Refresh();                                                        // 25

    // Tree bookkeeping, used by the tree operations only.
    void AttachToNode(TTreeNode* node);
    void SetDue(int due);
    void AddDueCount(int delta) { m_dueCount += delta; }
    void AppendContent(std::unique_ptr<ItemRef> ref);
    std::unique_ptr<ItemRef> TakeContent(const ItemRef* ref);
    void ClearContents();
    void RefreshInRemote();

protected:
    // The header line of the record: "{" level " " class " }" Title~~Value~~Comment~~Id.
    void AppendHeader(RecordText& out, int level) const;
    // Room enough for the header line.
    qsizetype HeaderSize() const;
    // Splits a details line that begins with the tag; empty when it does not.
    static bool DetailFields(const QString& line, QStringView tag, TextRules::FieldViews& fields);
    // The details line of a class whose only field is the categories.
    void TagOnlyRecord(RecordText& out, int level, QStringView tag) const;
    void ReadTagOnlyDetails(const QString& line, QStringView tag);
    // Reads a details line of text fields followed by the categories: fields
    // are taken by position; at the first missing one reading stops and the
    // categories become 0. Gives the number of fields after the tag, or -1
    // when the line lacks it.
    qsizetype ReadFieldsAndCategories(const QString& line, QStringView tag, std::initializer_list<QString*> targets);
    // A record whose details line holds these fields and then the categories.
    void RecordWithFields(RecordText& out, int level, QStringView tag, std::initializer_list<QStringView> fields) const;
    void StoreValue(const QString& value);
    void SetRemoteFlag(bool remote) { m_isRemote = remote; }
    // Delimited text of the contact points that hold a title, one value and a
    // comment: the cell of "Title", of the value's field or of "Comment", else empty.
    QString ExportTitledValue(const QString& fieldName, QStringView valueField) const;
    // Reads such a row when both "Title" and the value's field are present.
    bool ImportTitledValue(const QStringList& fieldNames, const QStringList& row, const QString& valueField);
    // Runs the class's dialog through the desktop; false without one.
    bool EditInDialog(bool isNew);
    // Tells the tree's observers that the item's texts or image changed.
    void Changed();

private:
    std::uint32_t m_categories = 0;
    std::int32_t m_id = 0;
    QString m_title;
    QString m_value;
    QString m_comment;
    ContentList m_contents;
    TTreeNode* m_node = nullptr;
    int m_due = 0;
    int m_dueCount = 0;
    // The small fields last, in one word with the flags.
    std::uint8_t m_classCode = 0;
    bool m_isRemote = false;
    bool m_inRemote = false;
};

// The cell through which nodes, list rows and contents lists refer to an
// item. It owns the item and is freed together with it.
class ItemRef final
{
public:
    explicit ItemRef(std::unique_ptr<TZVBObject> item) : m_item(std::move(item)) {}
    TZVBObject* Item() const { return m_item.get(); }

    // Cells come from a pool of their own: a tree holds one per item, and
    // malloc would spend 32 bytes on each 8-byte cell.
    static void* operator new(std::size_t size);
    static void operator delete(void* cell) noexcept;

private:
    std::unique_ptr<TZVBObject> m_item;
};
