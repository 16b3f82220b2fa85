#include "sync/SyncPlan.h"

using namespace Qt::StringLiterals;

SyncCounts& SyncCounts::operator+=(const SyncCounts& other)
{
    localCreated += other.localCreated;
    localUpdated += other.localUpdated;
    localDeleted += other.localDeleted;
    serverCreated += other.serverCreated;
    serverUpdated += other.serverUpdated;
    serverDeleted += other.serverDeleted;
    conflicts += other.conflicts;
    return *this;
}

QString SyncCounts::Describe() const
{
    QString text = u"Zendrivo: %1 created, %2 updated, %3 deleted; server: %4 created, %5 updated, %6 deleted"_s
                       .arg(localCreated)
                       .arg(localUpdated)
                       .arg(localDeleted)
                       .arg(serverCreated)
                       .arg(serverUpdated)
                       .arg(serverDeleted);
    if (conflicts > 0)
        text += u"; %1 conflict(s) kept as \" (conflict)\" copies"_s.arg(conflicts);
    return text;
}
