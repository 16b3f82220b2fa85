#pragma once

class TCard;
class TZVBObject;

// The card a person or an organization writes (WriteVCard builds the same);
// false, leaving the card empty, for every other kind of item.
bool BuildItemCard(const TZVBObject& item, TCard& card);
