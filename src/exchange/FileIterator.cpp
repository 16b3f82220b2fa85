#include "exchange/FileIterator.h"

#include "exchange/ImportLimits.h"

#include <QDir>
#include <QFileInfo>

void TFileIterator::CheckIdle() const
{
    if (Running())
        throw EFileIteratorError(QStringLiteral("Cannot change options on fly. Try later"));
}

void TFileIterator::SetOptions(TFileIteratorOptions options)
{
    CheckIdle();
    m_options = options;
}

void TFileIterator::SetRootFolder(const QString& folder)
{
    CheckIdle();
    m_rootFolder = folder;
}

void TFileIterator::Stop()
{
    if (m_state == State::Running)
        m_state = State::Stopping;
}

void TFileIterator::Run()
{
    if (Running())
        throw EFileIteratorError(
            QStringLiteral("Iterator is not available at the moment. Please call later, but do call"));
    if (!OnAddFile && !OnAddFileQuery)
        return;
    m_state = State::Running;
    m_skipped.clear();
    // Idle again and OnTerminate raised however the walk ends.
    const auto finish = [this] {
        m_state = State::Idle;
        if (OnTerminate)
            OnTerminate(*this);
    };
    try {
        if (OnActivate)
            OnActivate(*this);
        Walk(m_rootFolder, 0);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TFileIterator::Walk(QString folder, int depth)
{
    if (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    const QDir dir(folder);
    // An empty listing would hide the folder's files without a word.
    const QFileInfo self(folder);
    if (!self.isReadable() || !self.isExecutable()) {
        m_skipped.append(folder);
        return;
    }
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (m_state != State::Running)
            return;
        if (entry.isDir()) {
            if (m_options.testFlag(TFileIteratorOption::fiRecurseFolders) && !entry.fileName().startsWith(u'.')
                && !entry.isSymLink()) {
                if (depth < ImportLimits::kMaxFolderDepth)
                    Walk(entry.filePath(), depth + 1);
                else
                    m_skipped.append(entry.filePath());
            }
            continue;
        }
        TFileInfo info;
        if (m_options.testFlag(TFileIteratorOption::fiDetails)) {
            info.size = entry.size();
            info.modified = entry.lastModified();
            info.readOnly = !entry.isWritable();
            info.hidden = entry.isHidden();
        }
        const QString name =
            m_options.testFlag(TFileIteratorOption::fiPath) ? entry.filePath() : entry.fileName();
        bool canAdd = true;
        if (OnAddFileQuery)
            OnAddFileQuery(*this, name, info, canAdd);
        if (canAdd && OnAddFile)
            OnAddFile(*this, name, info);
    }
}
