#pragma once

#include "model/ItemTree.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>

class TTreeNode;

// A failure of a subcommand: one clear line for stderr.
class CliError : public std::runtime_error
{
public:
    explicit CliError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

// One run of zendrivo-cli on the data directory: the tree loaded from the
// database, and the save that writes it back through the journal. Inside the
// desktop program the session works on the desktop's live tree instead, and
// its save is the desktop's.
class CliSession
{
public:
    // Enters the data directory and loads "zivo.dat" below "My Contacts"
    // (or takes the desktop's tree, see HostScope). A complete journal
    // newer than a missing or damaged database is used instead, with a line
    // on stderr; a database that cannot be read throws CliError, so no
    // command goes on with an empty tree.
    CliSession();
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    TItemTree& Tree() { return *m_tree; }
    TTreeNode* Root() const { return m_tree->Root(); }
    // The node at PATH ("My Contacts/Business/Acme"); throws CliError when there is none.
    TTreeNode* NodeAt(const QString& path) const;
    // Saves; throws CliError with the reason when the save fails. A command
    // that did not take the database lock first takes it now, and saves
    // only when nobody has written the database since this session loaded it.
    void Save();

    // While one is open, sessions use TREE and SAVE (which throws ESaveError
    // on failure) instead of loading and saving the database themselves:
    // the desktop program runs handed-over commands so.
    class HostScope
    {
    public:
        HostScope(TItemTree& tree, std::function<void()> save);
        ~HostScope();
        HostScope(const HostScope&) = delete;
        HostScope& operator=(const HostScope&) = delete;
    };
    static bool Hosted();

    // A run of the tool ends right after its command: freeing a large tree
    // item by item would cost it a fifth of its time, and the system takes
    // the memory back at once. Called by the tool's main() only.
    static void KeepTreesUntilExit();

    // What identifies the database file as loaded: a save replaces the file,
    // so any save since gives another stamp.
    struct FileStamp
    {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const FileStamp&) const = default;
    };

    // A line about something the run did besides its result (data an import
    // left out, the journal used in place of the database): on stderr as
    // "zendrivo-cli: warning: ...", or to the sink when one is set.
    static void Warn(const QString& line);
    static void SetWarningSink(std::function<void(const QString&)> sink);

private:
    void SaveUnlocked();

    std::unique_ptr<TItemTree> m_owned;
    TItemTree* m_tree = nullptr;
    FileStamp m_loaded;
};

// Options of a subcommand: "--name value" pairs and flags, the rest positional.
class CliArguments
{
public:
    // valueOptions take a value; any other "--x" is a flag. Unknown options throw CliError.
    CliArguments(const QStringList& args, const QStringList& valueOptions, const QStringList& flags);
    const QStringList& Positional() const { return m_positional; }
    bool Has(const QString& option) const;
    QString Value(const QString& option, const QString& fallback = QString()) const;

private:
    QStringList m_positional;
    QStringList m_flags;
    QList<QPair<QString, QString>> m_values;
};
