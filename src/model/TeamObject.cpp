#include "model/TeamObject.h"

TTeamObject::TTeamObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Team, title, value, id, comment)
{
}

void TTeamObject::ReadDetails(const QString& line)
{
    ReadTagOnlyDetails(line, u"{Team}");
}

QString TTeamObject::WriteRecord(int level) const
{
    return TagOnlyRecord(level, u"{Team}");
}
