#pragma once

#include "model/ZVBObject.h"

#include <QDateTime>

// A folder groups items. With a source in Value it is a remote folder: a
// read-only copy of an exchange file fetched from a path or over HTTP.
class TFolderObject : public TZVBObject
{
public:
    TFolderObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    // Date-time value of the last successful refresh; 0 until the first one
    // and again after a change of source. Not stored.
    double LastRefresh() const;

    // Sources larger than this are refused rather than read.
    static constexpr qint64 kMaxSourceSize = 64 * 1024 * 1024;
    // True for a source fetched from a web server rather than read from a file.
    static bool IsWebSource(const QString& source);

    void SetValue(const QString& source) override;
    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void Refresh() override;
    void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const override;
    void WriteHtmlIndexLink(THtmlOut& out, const QString& page) const override;

private:
    // Removes every item below the folder: child nodes and Contents.
    void RemoveEverythingBelow();
    // The source's last change in UTC; invalid when it has none.
    QDateTime SourceTime() const;
    // The whole source, read before anything of the folder is touched.
    QByteArray ReadSource() const;

    QDateTime m_lastRefresh; // UTC
};
