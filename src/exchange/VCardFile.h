#pragma once

#include "exchange/VCardParser.h"
#include "model/Card.h"

#include <QStringList>

#include <QString>

#include <functional>
#include <vector>

// The cards of one card file in memory.
class TVCardFile
{
public:
    // A file larger than this is refused.
    static constexpr qint64 kMaxFileBytes = qint64(64) << 20;

    QString Filename;

    // Appends the cards of Filename. Throws EReadError ("Unable to access the
    // file: " and the name) when it cannot be opened or read; the cards read
    // before the failure stay in the list.
    void Read();
    // Reads Filename like Read, but hands each card to take instead of
    // keeping it.
    void ReadEach(const std::function<void(TCard&)>& take);
    // Appends the cards held in the bytes.
    void ReadBytes(QByteArrayView bytes);
    // What the reads left out, one line per kind (see VCardParser::Describe).
    QStringList Warnings() const;
    // Writes all cards to Filename; throws EZendrivoError when that fails.
    void Write() const;

    int Count() const { return static_cast<int>(m_cards.size()); }
    TCard& Card(int index) { return m_cards[static_cast<size_t>(index)]; }
    const TCard& Card(int index) const { return m_cards[static_cast<size_t>(index)]; }
    void AddCard(TCard card) { m_cards.push_back(std::move(card)); }
    const std::vector<TCard>& Cards() const { return m_cards; }

private:
    std::vector<TCard> m_cards;
    VCardParser::Dropped m_dropped;
};
