#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A label (one line) or memo (several lines) on a band, or a filled box.
// Its box is in layout units relative to the band's top-left corner.
struct TReportControl
{
    enum class Kind { Label, Memo };

    QString name;
    Kind kind = Kind::Label;
    QRect box;
    QStringList lines;
    QFont font;
    QColor color = Qt::black;
    QColor background; // invalid: nothing painted behind the text
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool visible = true;
    // "%page%" and "%pages%" in the text become the page number and count.
    bool pageNumbers = false;

    void SetText(const QString& text) { lines = QStringList{text}; }
    QString Text() const { return lines.join(u'\n'); }
};

enum class BandKind { Title, PageHeader, ColumnHeader, Group, Detail, Child, PageFooter };

// A horizontal strip of a report. The title prints once on the first page,
// the page header and footer on every page, the column header at the top of
// each column; group, detail and child print once per record, in that order.
class TReportBand
{
public:
    explicit TReportBand(BandKind kind = BandKind::Detail) : m_kind(kind) {}

    BandKind Kind() const { return m_kind; }
    int height = 0;
    QFont font;
    std::vector<TReportControl> controls;
    // Called before the band prints for a record; false leaves it out.
    std::function<bool(TReportBand&)> beforePrint;

    // Adds a control in the band's font.
    TReportControl& AddLabel(const QString& name, const QRect& box, const QString& text = {});
    TReportControl& AddMemo(const QString& name, const QRect& box, const QStringList& lines = {});
    // The control of that name; throws std::out_of_range when there is none.
    TReportControl& Control(const QString& name);
    const TReportControl& Control(const QString& name) const;

private:
    BandKind m_kind;
};
