#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// Texts read from records repeat a great deal: the titles of contact points
// ("Home", "Office", "Birthday"), cities, states, countries, the fields named
// as an item's primary links. While a scope is open on a thread, each short
// text read there is stored once and shared (QString's implicit sharing)
// by every item that holds it, which saves an allocation per field and a
// good part of a large tree's memory. Without an open scope every text is a
// copy of its own.
class SharedTexts
{
public:
    class Scope
    {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        friend class SharedTexts;
        QString Find(QStringView text);

        Scope* m_outer; // the scope that serves again when this one closes
        // Open addressing with linear probing; a slot holds part of the
        // hash beside its text, so a probe rarely has to look at the
        // characters themselves. A null text marks a free slot.
        struct Slot
        {
            std::uint32_t tag = 0;
            QString text;
        };
        std::vector<Slot> m_slots;
        std::size_t m_used = 0;
        std::uint64_t m_seed;
    };

    // The text as a QString: the shared copy while a scope is open and the
    // text is short, else a copy of its own.
    static QString Text(QStringView text);
};
