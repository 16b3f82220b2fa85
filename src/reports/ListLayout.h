#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TBandedReport;
struct TReportSheet;

// The shape the tabular reports share: a title band with the report's title
// (and, when given, the source and date lines), a bold column header, one
// detail band per record and a page number in the footer.
namespace ListLayout {

struct Column
{
    QString name;   // control name on the detail band
    QString header; // caption in the column header
    int weight;     // share of the width
    bool memo = false;
};

// Sets up the bands; subtitle lines go under the title.
void Build(TBandedReport& report, const TReportSheet& sheet, const std::vector<Column>& columns,
           const QStringList& subtitles = {});

// Grows the detail band to hold the given number of lines of its font.
void FitDetail(TBandedReport& report, int lines);

} // namespace ListLayout
