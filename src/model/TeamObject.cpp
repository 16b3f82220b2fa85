#include "model/TeamObject.h"

TTeamObject::TTeamObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Team, title, value, id, comment)
{
}

void TTeamObject::ReadDetails(const QString& line)
{
    ReadTagOnlyDetails(line, u"{Team}");
}

void TTeamObject::WriteRecord(RecordText& out, int level) const
{
    TagOnlyRecord(out, level, u"{Team}");
}
