#pragma once

#include <QString>
#include <QStringList>

// A settings (ini) file in the classic profile format: "[Section]" headers
// and "key=value" lines. Sections and keys compare without case and keep the
// spelling they were first written with; the file's order of sections, keys,
// comments and other lines is kept on every rewrite.
//
// The file is opened per access: every read re-reads it, every write reads
// it, changes it and replaces it atomically, so several objects on the same
// path always agree. Writes return false on failure and never leave a
// half-written file.
class ProfileFile
{
public:
    explicit ProfileFile(QString path);

    // "zvb.ini" in the configuration directory.
    static QString Default();

    const QString& Path() const { return m_path; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    bool WriteString(const QString& section, const QString& key, const QString& value);

    // Decimal, or hexadecimal after "$" or "0x"; anything else gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool WriteInteger(const QString& section, const QString& key, int value);

    // True when the text begins with 1, T, t, Y or y; written as "1" or "0".
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    bool WriteBool(const QString& section, const QString& key, bool value);

    // Section names in file order.
    QStringList ReadSections() const;
    // The section's keys in file order.
    QStringList ReadSection(const QString& section) const;
    // The section's entries as "key=value" in file order.
    QStringList ReadSectionValues(const QString& section) const;

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    // Both succeed without writing when there is nothing to remove.
    bool DeleteKey(const QString& section, const QString& key);
    // Removes the header and every line up to the next section.
    bool EraseSection(const QString& section);

private:
    QString m_path;
};
