#include "reports/LabelDimension.h"

#include "exchange/DelimitedText.h"

void TLabelDimension::SetValues(const std::array<int, 7>& values)
{
    top = values[0];
    side = values[1];
    height = values[2];
    width = values[3];
    hPitch = values[4];
    vPitch = values[5];
    across = values[6];
}

bool TLabelDimension::IsSane() const
{
    const auto length = [](int v) { return v > 0 && v <= 2000; };
    const auto margin = [](int v) { return v >= 0 && v <= 2000; };
    return margin(top) && margin(side) && length(height) && length(width) && length(hPitch) && length(vPitch)
        && across >= 1 && across <= 10;
}

QString TLabelDimension::ToText() const
{
    QString text = DelimitedText::HeaderName(name);
    for (int v : Values())
        text += u',' + QString::number(v);
    return text;
}

std::optional<TLabelDimension> TLabelDimension::FromText(const QString& text)
{
    const QStringList fields = DelimitedText::SplitLine(text);
    if (fields.size() < 8)
        return std::nullopt;
    TLabelDimension label;
    label.name = fields[0];
    std::array<int, 7> values{};
    for (int i = 0; i < 7; ++i) {
        bool ok = false;
        values[static_cast<size_t>(i)] = fields[i + 1].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    label.SetValues(values);
    return label;
}
