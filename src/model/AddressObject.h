#pragma once

#include "model/ZVBObject.h"

#include <array>

// A postal address. It keeps at least three lines in memory (more when the
// dialog gave more); the record stores lines 1 to 3.
class TAddressObject : public TZVBObject
{
public:
    TAddressObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    const QStringList& Lines() const { return m_lines; }
    // Takes the lines, padded with empty ones to three.
    void SetLines(const QStringList& lines);
    const QString& City() const { return m_city; }
    const QString& State() const { return m_state; }
    const QString& PostalCode() const { return m_postalCode; }
    const QString& Country() const { return m_country; }
    void SetPlace(const QString& city, const QString& state, const QString& postalCode, const QString& country);
    // The record's seven fields in their order: lines 1 to 3, city, state,
    // postal code, country.
    void SetFields(std::array<QString, 7>&& fields);

    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    bool ImportFields(const QStringList& fieldNames, QStringList& row) override;
    QString ExportField(const QString& fieldName) const override;
    QString VCardLine() const override;
    void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const override;
    QString ClipboardText() const override;

private:
    QStringList m_lines{QString(), QString(), QString()};
    QString m_city;
    QString m_state;
    QString m_postalCode;
    QString m_country;
};
