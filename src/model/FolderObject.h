#pragma once

#include "model/ZVBObject.h"

// A folder groups items. With a source in Value it is a remote folder: a
// read-only copy of an exchange file fetched from a path or over HTTP.
class TFolderObject : public TZVBObject
{
public:
    TFolderObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    // Date-time value of the last refresh; 0 until the first one. Not stored.
    double LastRefresh() const { return m_lastRefresh; }

    void SetValue(const QString& source) override;
    void ReadDetails(const QString& line) override;
    QString WriteRecord(int level) const override;
    void Refresh() override;
    void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const override;
    void WriteHtmlIndexLink(THtmlOut& out, const QString& page) const override;

private:
    // Removes every item below the folder: child nodes and Contents.
    void RemoveEverythingBelow();
    double SourceTime() const;

    double m_lastRefresh = 0;
};
