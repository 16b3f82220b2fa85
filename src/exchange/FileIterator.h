#pragma once

#include "model/Exceptions.h"

#include <QDateTime>
#include <QFlags>
#include <QString>
#include <QStringList>

#include <functional>

enum class TFileIteratorOption {
    fiPath = 0x1,           // report full paths rather than bare names
    fiDetails = 0x2,        // fill the TFileInfo of each file
    fiRecurseFolders = 0x4, // descend into sub-directories
};
Q_DECLARE_FLAGS(TFileIteratorOptions, TFileIteratorOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFileIteratorOptions)

// Size, time and attributes of a file offered by the walk (with fiDetails).
struct TFileInfo
{
    qint64 size = 0;
    QDateTime modified;
    bool readOnly = false;
    bool hidden = false;
};

class EFileIteratorError : public EZendrivoError
{
public:
    using EZendrivoError::EZendrivoError;
};

// Walks a directory tree depth first and offers every file to its handlers.
// Sub-directories whose names begin with "." are not entered, nor are links
// to directories (they could lead round in a circle). Entries come in name
// order, so a walk gives the same result on every file system.
class TFileIterator
{
public:
    using AddFileHandler = std::function<void(TFileIterator& sender, const QString& fileName, const TFileInfo& info)>;
    using AddFileQueryHandler =
        std::function<void(TFileIterator& sender, const QString& fileName, const TFileInfo& info, bool& canAdd)>;
    using NotifyHandler = std::function<void(TFileIterator& sender)>;

    TFileIteratorOptions Options() const { return m_options; }
    void SetOptions(TFileIteratorOptions options);
    const QString& RootFolder() const { return m_rootFolder; }
    void SetRootFolder(const QString& folder);

    AddFileHandler OnAddFile;
    AddFileQueryHandler OnAddFileQuery;
    NotifyHandler OnActivate;
    NotifyHandler OnTerminate;

    // Walks RootFolder, raising the events. Does nothing without an OnAddFile
    // or OnAddFileQuery handler. A handler's exception ends the walk and
    // passes on, after OnTerminate. Throws EFileIteratorError when already
    // running.
    void Run();
    // Asks a running walk to stop after the current entry.
    void Stop();
    bool Running() const { return m_state != State::Idle; }

private:
    enum class State { Idle, Running, Stopping };
    void Walk(QString folder, int depth);

public:
    // The folders the last Run could not look into: unreadable ones and
    // those beyond the depth limit.
    const QStringList& SkippedFolders() const { return m_skipped; }

private:
    QStringList m_skipped;
    void CheckIdle() const;

    TFileIteratorOptions m_options{TFileIteratorOption::fiPath, TFileIteratorOption::fiDetails,
                                   TFileIteratorOption::fiRecurseFolders};
    QString m_rootFolder = QStringLiteral("/");
    State m_state = State::Idle;
};
