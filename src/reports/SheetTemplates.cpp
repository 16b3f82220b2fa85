#include "reports/SheetTemplates.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSizeF>
#include <QXmlStreamReader>

#include <algorithm>

namespace SheetTemplates {

namespace {

std::optional<QPageSize> PaperOf(const QXmlStreamAttributes& attributes)
{
    const QStringView id = attributes.value(QLatin1String("size"));
    if (id == u"US-Letter")
        return QPageSize(QPageSize::Letter);
    if (id == u"US-Legal")
        return QPageSize(QPageSize::Legal);
    if (id == u"A4")
        return QPageSize(QPageSize::A4);
    if (id == u"A5")
        return QPageSize(QPageSize::A5);
    if (id == u"A3")
        return QPageSize(QPageSize::A3);
    const auto w = Hundredths(attributes.value(QLatin1String("width")));
    const auto h = Hundredths(attributes.value(QLatin1String("height")));
    if (w && h && *w > 0 && *h > 0 && *w <= 5000 && *h <= 5000)
        return QPageSize(QSizeF(*w / 100.0, *h / 100.0), QPageSize::Inch, QString(), QPageSize::ExactMatch);
    return std::nullopt;
}

// Reads one <Template> element up to its end; false when it is not a
// rectangular sheet.
bool ReadTemplate(QXmlStreamReader& xml, TLabelDimension& label)
{
    bool haveLabel = false;
    bool haveLayout = false;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"Label-rectangle" && !haveLabel) {
            const auto w = Hundredths(a.value(QLatin1String("width")));
            const auto h = Hundredths(a.value(QLatin1String("height")));
            if (!w || !h)
                return false;
            label.width = *w;
            label.height = *h;
            haveLabel = true;
        } else if (xml.name().startsWith(u"Label-") && !haveLabel) {
            return false; // round, ellipse, CD and other shapes
        } else if (xml.name() == u"Layout" && haveLabel && !haveLayout) {
            // A sheet with several layouts prints the first.
            const auto x0 = Hundredths(a.value(QLatin1String("x0")));
            const auto y0 = Hundredths(a.value(QLatin1String("y0")));
            const auto dx = Hundredths(a.value(QLatin1String("dx")));
            const auto dy = Hundredths(a.value(QLatin1String("dy")));
            bool ok = false;
            const int nx = a.value(QLatin1String("nx")).toInt(&ok);
            if (!x0 || !y0 || !dx || !dy || !ok)
                return false;
            label.side = *x0;
            label.top = *y0;
            label.hPitch = *dx;
            label.vPitch = *dy;
            label.across = nx;
            // A single column has no pitch of its own.
            if (nx == 1 && label.hPitch <= 0)
                label.hPitch = label.width;
            haveLayout = true;
        }
    }
    return haveLabel && haveLayout;
}

} // namespace

std::optional<int> Hundredths(QStringView length)
{
    static const struct { const char16_t* unit; double perInch; } units[] = {
        {u"in", 1.0}, {u"mm", 25.4}, {u"cm", 2.54}, {u"pt", 72.0}, {u"pc", 6.0},
    };
    QStringView number = length.trimmed();
    double perInch = 72.0;
    for (const auto& u : units) {
        if (number.endsWith(QStringView(u.unit))) {
            number.chop(2);
            perInch = u.perInch;
            break;
        }
    }
    bool ok = false;
    const double value = number.trimmed().toDouble(&ok);
    if (!ok || !(value >= 0) || value > 1.0e4)
        return std::nullopt;
    return qRound(value / perInch * 100.0);
}

std::vector<TLabelDimension> Parse(const QByteArray& bytes)
{
    std::vector<TLabelDimension> labels;
    QHash<QString, size_t> byName;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd() && labels.size() < kMaxTemplates) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Template")
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QString brand = a.value(QLatin1String("brand")).toString().trimmed();
        const QString part = a.value(QLatin1String("part")).toString().trimmed();
        if (brand.isEmpty() || part.isEmpty()) {
            xml.skipCurrentElement();
            continue;
        }
        TLabelDimension label;
        label.name = brand + u' ' + part;
        const QString equiv = a.value(QLatin1String("equiv")).toString().trimmed();
        if (!equiv.isEmpty()) {
            xml.skipCurrentElement();
            const auto it = byName.constFind(brand + u' ' + equiv);
            if (it == byName.constEnd())
                continue;
            const QString name = label.name;
            label = labels[*it];
            label.name = name;
        } else {
            label.paper = PaperOf(a);
            if (!label.paper || !ReadTemplate(xml, label) || !label.IsSane())
                continue;
        }
        if (byName.contains(label.name))
            continue;
        byName.insert(label.name, labels.size());
        labels.push_back(label);
    }
    // A damaged file gives nothing rather than half of its sheets.
    if (xml.hasError())
        return {};
    return labels;
}

QStringList Folders()
{
    const QString own = qEnvironmentVariable("ZENDRIVO_LABEL_TEMPLATES");
    if (!own.isEmpty())
        return {own};
    return {QStringLiteral("/usr/share/glabels-3.0/templates"), QStringLiteral("/usr/share/libglabels-3.0/templates"),
            QStringLiteral("/usr/share/glabels-qt/templates")};
}

std::vector<TLabelDimension> LoadFolder(const QString& folder)
{
    std::vector<TLabelDimension> labels;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*-templates.xml")}, QDir::Files,
                                                          QDir::Name);
    for (const QFileInfo& info : files) {
        if (!info.isFile() || info.size() > kMaxFileSize)
            continue;
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (TLabelDimension& label : Parse(file.read(kMaxFileSize))) {
            if (labels.size() >= kMaxTemplates)
                return labels;
            labels.push_back(std::move(label));
        }
    }
    return labels;
}

std::vector<TLabelDimension> LoadInstalled()
{
    std::vector<TLabelDimension> labels;
    for (const QString& folder : Folders()) {
        if (!QFileInfo(folder).isDir())
            continue;
        for (TLabelDimension& label : LoadFolder(folder))
            labels.push_back(std::move(label));
        break; // the first folder that exists holds the set
    }
    std::stable_sort(labels.begin(), labels.end(), [](const TLabelDimension& a, const TLabelDimension& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    labels.erase(std::unique(labels.begin(), labels.end(),
                             [](const TLabelDimension& a, const TLabelDimension& b) { return a.name == b.name; }),
                 labels.end());
    return labels;
}

} // namespace SheetTemplates
