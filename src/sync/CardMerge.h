#pragma once

#include <QString>

// Writing back a card that came from a server: the properties this program
// owns (the name, the addresses, phones and e-mail addresses, the first web
// address, and the organization of an organization's card) come from the
// item; everything else (photos, birthdays, notes, properties of other
// programs) stays exactly as the server sent it, in its order.
namespace CardMerge {

// The card to send: the original card with the owned properties of the fresh
// card (as StandardCard writes it) in place of its own. The original's UID
// and version line are kept. With no original, the fresh card.
QString Merge(const QString& original, const QString& fresh);

} // namespace CardMerge
