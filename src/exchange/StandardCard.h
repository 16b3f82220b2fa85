#pragma once

#include <QString>

#include <cstdint>

class TZVBObject;

// The card of a person or an organization as other programs and servers
// read it: vCard 3.0 with a version line, a UID, escaped values, "ADR" with
// the street in its place and "TEL"/"EMAIL" with TYPE parameters. Our own
// card files (without a version line) stay as they are; this is the form
// for the world outside.
namespace StandardCard {

// The card text, each line folded and ended by CR LF. An empty uid leaves
// the UID line out (used to compare the contents of two cards). Empty for
// items that are neither persons nor organizations.
QString Write(const TZVBObject& item, const QString& uid);

// True when the card text describes an organization rather than a person
// ("KIND:org", "X-ABShowAs:COMPANY", or an ORG with an FN equal to it and no
// personal name).
bool IsOrganization(const QString& cardText);

// The UID this program gives the card of an item, and back (0 for a UID
// it did not give).
QString UidForItem(std::int32_t itemId);
std::int32_t ItemOfUid(const QString& uid);

// The card's UID, or an empty text.
QString UidOf(const QString& cardText);

} // namespace StandardCard
