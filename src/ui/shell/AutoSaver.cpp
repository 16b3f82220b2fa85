#include "ui/shell/AutoSaver.h"

#include "model/Database.h"
#include "model/ItemTree.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

AutoSaver::AutoSaver(TItemTree& tree, const QString& directory, QObject* parent)
    : QObject(parent), m_tree(tree), m_path(QDir(directory).filePath(FileName()))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        QString error;
        if (!WriteNow(&error))
            Q_EMIT Failed(error);
    });
    m_tree.AddObserver(this);
}

AutoSaver::~AutoSaver()
{
    m_tree.RemoveObserver(this);
}

QString AutoSaver::FileName()
{
    return QStringLiteral("zivo.dat.autosave");
}

void AutoSaver::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        m_timer.stop();
}

void AutoSaver::MarkSaved()
{
    MarkClean();
    QFile::remove(m_path);
}

void AutoSaver::MarkClean()
{
    m_dirty = false;
    m_timer.stop();
}

void AutoSaver::MarkChanged()
{
    m_dirty = true;
    // The first change starts the clock; later ones ride along, so a copy
    // is never more than the delay behind.
    if (m_enabled && !m_timer.isActive())
        m_timer.start();
}

bool AutoSaver::WriteNow(QString* error)
{
    m_timer.stop();
    if (!m_enabled || !m_dirty)
        return true;
    // Written beside the database and renamed over the old copy, so a crash
    // while writing leaves the previous copy whole.
    QSaveFile file(m_path);
    const QByteArray bytes = DatabaseBytes(m_tree);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(m_path, file.errorString());
        file.cancelWriting();
        return false;
    }
    m_dirty = false;
    return true;
}
