#include "reports/ReportPainter.h"

#include "reports/BandedReport.h"
#include "reports/ReportUnits.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <optional>

namespace ReportPainter {

namespace {

class PagePainter
{
public:
    PagePainter(QPainter& painter, QPaintDevice& device)
        : m_painter(painter), m_dpiX(device.logicalDpiX()), m_dpiY(device.logicalDpiY())
    {
    }

    void PaintItem(const TReportItem& item)
    {
        const QRectF clip = ToDevice(item.clip);
        if (item.background.isValid())
            m_painter.fillRect(clip, item.background);
        if (item.lines.isEmpty())
            return;
        if (!m_hasFont || !(item.font == m_font)) {
            m_font = item.font;
            m_hasFont = true;
            m_painter.setFont(m_font);
            m_metrics.emplace(m_font, m_painter.device());
        }
        m_painter.setPen(item.color.isValid() ? item.color : QColor(Qt::black));
        const QRectF box = ToDevice(item.box);
        const double lineHeight = m_metrics->lineSpacing();
        // Text that does not fit its box is cut at the box, never drawn
        // over its neighbours; the check spares the clip for the usual case.
        const bool fits = item.clip == item.box && Fits(item, box, lineHeight);
        if (!fits) {
            m_painter.save();
            m_painter.setClipRect(clip);
        }
        double y = box.top();
        for (const QString& line : item.lines) {
            if (y >= clip.bottom())
                break;
            const QRectF lineBox(box.left(), y, box.width(), lineHeight);
            m_painter.drawText(lineBox, static_cast<int>(item.alignment | Qt::TextSingleLine) | Qt::TextDontClip,
                               line);
            y += lineHeight;
        }
        if (!fits)
            m_painter.restore();
    }

private:
    QRectF ToDevice(const QRect& r) const
    {
        return QRectF(ReportUnits::ToDevice(r.x(), m_dpiX), ReportUnits::ToDevice(r.y(), m_dpiY),
                      ReportUnits::ToDevice(r.width(), m_dpiX), ReportUnits::ToDevice(r.height(), m_dpiY));
    }

    bool Fits(const TReportItem& item, const QRectF& box, double lineHeight) const
    {
        if (item.lines.size() * lineHeight > box.height() + 0.5)
            return false;
        for (const QString& line : item.lines)
            if (m_metrics->horizontalAdvance(line) > box.width())
                return false;
        return true;
    }

    QPainter& m_painter;
    double m_dpiX;
    double m_dpiY;
    QFont m_font;
    bool m_hasFont = false;
    std::optional<QFontMetricsF> m_metrics;
};

} // namespace

void Paint(QPainter& painter, QPagedPaintDevice& device, const std::vector<TReportPage>& pages)
{
    PagePainter pagePainter(painter, device);
    bool first = true;
    for (const TReportPage& page : pages) {
        if (!first)
            device.newPage();
        first = false;
        for (const TReportItem& item : page.items)
            pagePainter.PaintItem(item);
    }
}

bool WritePdf(TBandedReport& report, const QString& path, QString* error)
{
    const auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return fail(QStringLiteral("%1 is not a regular file").arg(path));
    // Lay out first; the file is replaced only when the whole document is written.
    const std::vector<TReportPage> pages = report.LayoutPages();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(report.jobTitle);
        writer.setCreator(QStringLiteral("Zendrivo"));
        writer.setResolution(600);
        writer.setPageLayout(report.Layout());
        QPainter painter;
        if (!painter.begin(&writer))
            return fail(QStringLiteral("Cannot write %1").arg(path));
        Paint(painter, writer, pages);
        if (!painter.end())
            return fail(QStringLiteral("Cannot write %1").arg(path));
    }
    if (!file.commit())
        return fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

void SetUpPrinter(QPrinter& printer, const TBandedReport& report)
{
    printer.setDocName(report.jobTitle);
    printer.setFullPage(true);
    printer.setPageSize(report.PageSize());
    printer.setPageOrientation(report.Orientation());
}

bool Print(TBandedReport& report, QPrinter& printer)
{
    return PrintPages(report.LayoutPages(), report, printer);
}

bool PrintPages(const std::vector<TReportPage>& pages, const TBandedReport& report, QPrinter& printer)
{
    SetUpPrinter(printer, report);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    Paint(painter, printer, pages);
    return painter.end();
}

} // namespace ReportPainter
