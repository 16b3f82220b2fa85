#pragma once

#include <QString>
#include <QStringList>

class TZVBObject;

// The address a print command hands to the envelope: for a person its
// primary address and full name, for an organization its primary address
// and name, for a postal address the address and its title.
struct TDeliveryTarget
{
    const TZVBObject* address = nullptr;
    QString name;

    static TDeliveryTarget For(const TZVBObject* current);
    // The name, lines 1 to 3 that are not empty, city + ", " + state and
    // postal code + " " + country; nothing without an address.
    QStringList Lines() const;
};
