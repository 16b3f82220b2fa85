#pragma once

#include "reports/BandedReport.h"

#include <QFont>
#include <QPoint>
#include <QStringList>

#include <vector>

// The envelope sizes of the "Size" list: height k, length L and the offset
// d of the delivery address from the envelope's left edge, in layout units.
struct TEnvelopeSize
{
    QString caption;
    int height;
    int length;
    int deliveryOffset;
    QPageSize::PageSizeId paper;
};

struct TEnvelopeOptions
{
    int size = 0; // index into Sizes()
    QStringList returnLines;
    QStringList deliveryLines;
    bool omitReturn = false;
    QFont returnFont;
    QFont deliveryFont;
};

// "Envelope": the return address at the top left and the delivery address
// in the middle of an envelope fed landscape.
class TEnvelopeForm
{
public:
    static const std::vector<TEnvelopeSize>& Sizes();
    // The index of a size by its caption or by a short name ("10", "monarch",
    // "b5", "c5", "dl"); -1 when there is none.
    static int FindSize(const QString& name);

    struct Placement
    {
        QPoint returnAt;
        QPoint deliveryAt;
    };
    // From the printable width and height of the page: the envelope's left
    // edge E = W - L, its top T = (H - k) / 2 truncated toward zero; the
    // return address at (E + 50, T + 30), the delivery at (E + d, T + 152).
    static Placement Place(const TEnvelopeSize& size, int printableWidth, int printableHeight);

    explicit TEnvelopeForm(const TEnvelopeOptions& options);

    TBandedReport& Report() { return m_report; }

private:
    TBandedReport m_report;
};
