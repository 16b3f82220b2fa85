#include "reports/EnvelopeForm.h"

#include <algorithm>

const std::vector<TEnvelopeSize>& TEnvelopeForm::Sizes()
{
    static const std::vector<TEnvelopeSize> sizes{
        {QStringLiteral("#10 Env (4.125 x 9.5 in)"), 412, 950, 300, QPageSize::Envelope10},
        {QStringLiteral("Monarch (3.875 x 7.5 in)"), 388, 750, 200, QPageSize::EnvelopeMonarch},
        {QStringLiteral("B5 Env (176 x 250 mm)"), 700, 1000, 325, QPageSize::EnvelopeB5},
        {QStringLiteral("C5 Env (162 x 229 mm)"), 648, 916, 283, QPageSize::EnvelopeC5},
        {QStringLiteral("DL Env (110 x 220 mm)"), 440, 880, 265, QPageSize::EnvelopeDL},
    };
    return sizes;
}

int TEnvelopeForm::FindSize(const QString& name)
{
    static const char16_t* const shortNames[] = {u"10", u"monarch", u"b5", u"c5", u"dl"};
    const QString wanted = name.trimmed();
    for (int i = 0; i < static_cast<int>(Sizes().size()); ++i) {
        if (wanted.compare(Sizes()[static_cast<size_t>(i)].caption, Qt::CaseInsensitive) == 0
            || wanted.compare(QString::fromUtf16(shortNames[i]), Qt::CaseInsensitive) == 0
            || wanted.compare(u"#" + QString::fromUtf16(shortNames[i]), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

TEnvelopeForm::Placement TEnvelopeForm::Place(const TEnvelopeSize& size, int printableWidth, int printableHeight)
{
    const int e = printableWidth - size.length;
    const int t = (printableHeight - size.height) / 2; // C++ division truncates toward zero
    return {QPoint(e + 50, t + 30), QPoint(e + size.deliveryOffset, t + 152)};
}

TEnvelopeForm::TEnvelopeForm(const TEnvelopeOptions& options)
{
    const TEnvelopeSize& size = Sizes()[static_cast<size_t>(std::clamp<int>(options.size, 0, int(Sizes().size()) - 1))];
    // The page is the envelope itself, fed landscape, printed from its edges.
    m_report.SetPageSize(QPageSize(size.paper));
    m_report.SetOrientation(QPageLayout::Landscape);
    m_report.SetPageMargins(QMargins());
    m_report.showPrintDialog = false;
    const int w = m_report.PrintableWidth();
    const int h = m_report.PrintableHeight();
    const Placement at = Place(size, w, h);
    TReportBand& band = m_report.Band(BandKind::Title);
    band.height = h;
    if (!options.omitReturn) {
        TReportControl& ret = band.AddMemo(QStringLiteral("Return"),
                                           QRect(at.returnAt, QPoint(at.deliveryAt.x() - 20, at.deliveryAt.y() - 10)),
                                           options.returnLines);
        ret.font = options.returnFont;
    }
    TReportControl& delivery = band.AddMemo(QStringLiteral("Delivery"), QRect(at.deliveryAt, QPoint(w - 30, h - 20)),
                                            options.deliveryLines);
    delivery.font = options.deliveryFont;
}
