#pragma once

#include <QString>

#include <cstdint>

// Caller ID of the current call: the number and name as shown, and whether
// the caller withheld them or called from outside the service area.
class TCallerID
{
public:
    // Which parts the network reported, and why others are missing.
    enum Flag : std::uint32_t {
        Blocked = 0x01,
        OutOfArea = 0x02,
        HasName = 0x04,
        HasAddress = 0x08,
        Partial = 0x10,
        Unknown = 0x20,
        Unavail = 0x40,
    };

    // The network's fields are cut to these lengths before anything else.
    static constexpr int MaxNumberLength = 40;
    static constexpr int MaxNameLength = 60;

    const QString& Name() const { return m_name; }
    const QString& Number() const { return m_number; }
    std::uint32_t Flags() const { return m_flags; }
    bool Private() const { return m_private; }
    bool OutOfAreaFlag() const { return m_outOfArea; }

    bool CapitalizeName() const { return m_capitalize; }
    void SetCapitalizeName(bool on) { m_capitalize = on; }
    bool FormatNumber() const { return m_format; }
    void SetFormatNumber(bool on) { m_format = on; }

    // Takes a report: formats the number and capitalises the name unless
    // the flags say they are withheld, then appends the markers ("*Private",
    // "*Out of Area", "*Partial", "*Unknown", "*Unavailable") to the number.
    void Parse(std::uint32_t flags, const QString& number, const QString& name);
    void Clear();

    // Ten characters become NNN-NNN-NNNN; any other length stays.
    static QString FormatTenDigits(const QString& number);
    // Lower case, with A to Z upper-cased at the start and after each blank.
    static QString Capitalize(const QString& name);
    // A field from the network: cut to the length, without control characters.
    static QString Sanitize(const QString& text, int maxLength);

private:
    QString m_name;
    QString m_number;
    std::uint32_t m_flags = 0;
    bool m_private = false;
    bool m_outOfArea = false;
    bool m_capitalize = true;
    bool m_format = true;
};
