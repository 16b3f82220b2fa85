#pragma once

#include "model/Card.h"

#include <QByteArrayView>

#include <vector>

// Reads the cards of a card file from its bytes. A card begins at a line
// starting with "begin:" and ends at one starting with "end:" (or at the end
// of the file); inside it, lines whose name begins with FN, N, ADR, TEL,
// EMAIL, TITLE, ORG or URL become properties, everything else is passed over.
namespace VCardParser {

// More properties than this in one card are dropped.
inline constexpr int kMaxPropertiesPerCard = 10000;

// Appends the cards found in the bytes.
void Parse(QByteArrayView bytes, std::vector<TCard>& cards);

} // namespace VCardParser
