#pragma once

#include <QString>
#include <QStringList>

class TDialSettings;

// Turning a stored number into what is dialed from the current location.
namespace DialString {

// A calling-card service and its dial format: "N" is the number dialed,
// "H" the card number, "," a pause and "$" the wait for the card tone.
struct CardService
{
    const char16_t* name;
    const char16_t* format;
};

// The 21 services, in list order.
const QList<CardService>& CardServices();
QStringList CardServiceNames();
// The index of the service of this name, or -1.
int CardServiceIndex(const QString& name);
// The service's format with its first "H" replaced by the card number.
QString FillCardFormat(int serviceIndex, const QString& cardNumber);

struct Plan
{
    QString dialString;
    // The number without "(", ")", "-", and without the area code when it
    // began with it; what a redial as long distance starts from.
    QString reduced;
    // Whether the user may choose to dial it as long distance instead.
    bool longDistanceChoice = false;
};

// The dial string for the number with the settings' area code, prefixes
// and calling card.
Plan Build(const TDialSettings& settings, const QString& number);
// The long-distance dial string of a reduced number: the area code in front.
QString LongDistance(const TDialSettings& settings, const QString& reduced);

} // namespace DialString
