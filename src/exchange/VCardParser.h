#pragma once

#include "exchange/VCardScanner.h"
#include "model/Card.h"

#include <QByteArrayView>
#include <QStringList>

#include <functional>
#include <vector>

class CardFilePieces;

// Reads the cards of a card file from its bytes. A card begins at a line
// starting with "begin:" and ends at one starting with "end:" (or at the end
// of the file); inside it, lines whose name begins with FN, N, ADR, TEL,
// EMAIL, TITLE, ORG or URL become properties, everything else is passed over.
namespace VCardParser {

// More properties than this in one card are dropped.
inline constexpr int kMaxPropertiesPerCard = VCardScan::kMaxPropertiesPerCard;

// What a parse had to leave out.
using Dropped = VCardScan::Dropped;

// From this size on, a file is read on a second thread while the
// calling one makes the cards: either half takes about as long as the other.
inline constexpr qsizetype kReadBesideBytes = 256 << 10;

// Hands each card found in the bytes to take as soon as it is read, in file
// order and on the calling thread, so that a large file never holds all its
// cards at once; what is left out is counted in dropped. When take throws,
// the parse stops and the exception passes on.
void Parse(QByteArrayView bytes, const std::function<void(TCard&)>& take, Dropped* dropped = nullptr);
// The same for a file read a piece at a time: a read error is thrown as
// EReadError after the cards read before it were taken.
void Parse(CardFilePieces& file, const std::function<void(TCard&)>& take, Dropped* dropped = nullptr);
// Appends the cards found in the bytes.
void Parse(QByteArrayView bytes, std::vector<TCard>& cards, Dropped* dropped = nullptr);

// One line per kind of data left out, for the user.
QStringList Describe(const Dropped& dropped);

} // namespace VCardParser
