#include "comm/DialString.h"

#include "comm/TDialSettings.h"

namespace DialString {

namespace {

// The long-distance prefix, a blank, and the number through the card when
// one is used; a card format without "N" dials without the number.
QString LongDistanceOf(const TDialSettings& settings, const QString& number)
{
    if (!settings.UseCard)
        return settings.LongPrefix + u' ' + number;
    QString code = settings.Code;
    const qsizetype n = code.indexOf(u'N');
    if (n >= 0)
        code.replace(n, 1, number);
    return settings.LongPrefix + u' ' + code;
}

} // namespace

const QList<CardService>& CardServices()
{
    static const QList<CardService> services = {
        {u"AT&T Direct Dial via 10ATT1", u"102881,"},
        {u"AT&T via 1-800-321-0288", u"18003210288 $N $H"},
        {u"AT&T via 10ATT0", u"102880 N $H"},
        {u"British Telecom (UK)", u"144 $H, 0N"},
        {u"Calling Card via 0", u"0 N $H"},
        {u"Carte France Telecom", u"3610,H,16,N#"},
        {u"CLEAR Communications (New Zealand)", u"0502333 $H,0N"},
        {u"Global Card (Taiwan to USA)", u"0080,102880 $N $H"},
        {u"MCI Direct Dial via 102221", u"102221 N"},
        {u"MCI via 1-800-674-0700", u"18006740700,,,,,,H,,N"},
        {u"MCI via 1-800-674-7000", u"18006747000,,,,,,H,,N"},
        {u"MCI via 1-800-888-8000", u"18008888000,,,,,,H,,N"},
        {u"MCI via 102220", u"102220 N $H"},
        {u"Mercury (UK)", u"0500800800 $H,0N"},
        {u"Optus (Australia) via 008551812", u"N"},
        {u"Optus (Australia) via 1812", u"N"},
        {u"Telecom Australia via 1818 (voice)", u"1818 $H,N#"},
        {u"Telecom New Zealand", u"012,0N ?H"},
        {u"US Sprint Direct Dial via 103331", u"103331 N"},
        {u"US Sprint via 1-800-877-8000", u"18008778000,,,0N,,H"},
        {u"US Sprint via 103330", u"103330 N $H"},
    };
    return services;
}

QStringList CardServiceNames()
{
    QStringList names;
    for (const CardService& service : CardServices())
        names << QString::fromUtf16(service.name);
    return names;
}

int CardServiceIndex(const QString& name)
{
    return static_cast<int>(CardServiceNames().indexOf(name));
}

QString FillCardFormat(int serviceIndex, const QString& cardNumber)
{
    if (serviceIndex < 0 || serviceIndex >= CardServices().size())
        return {};
    QString format = QString::fromUtf16(CardServices().at(serviceIndex).format);
    const qsizetype h = format.indexOf(u'H');
    if (h >= 0)
        format.replace(h, 1, cardNumber);
    return format;
}

Plan Build(const TDialSettings& settings, const QString& number)
{
    Plan plan;
    QString n = number;
    n.remove(u'(').remove(u')').remove(u'-');
    if (!settings.AreaCode.isEmpty() && n.startsWith(settings.AreaCode)) {
        n.remove(0, settings.AreaCode.size());
        plan.dialString = settings.LocalPrefix + u' ' + n;
        plan.longDistanceChoice = true;
    } else if (n.size() > 8) {
        plan.dialString = LongDistanceOf(settings, n);
    } else {
        plan.dialString = settings.LocalPrefix + u' ' + n;
        plan.longDistanceChoice = true;
    }
    plan.reduced = n;
    return plan;
}

QString LongDistance(const TDialSettings& settings, const QString& reduced)
{
    return LongDistanceOf(settings, settings.AreaCode + reduced);
}

} // namespace DialString
