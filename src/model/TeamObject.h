#pragma once

#include "model/ZVBObject.h"

// A plain named group, named in place when new.
class TTeamObject : public TZVBObject
{
public:
    TTeamObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const override;
    void WriteHtmlIndexLink(THtmlOut& out, const QString& page) const override;
};
