#pragma once

#include "model/PrimaryLinks.h"
#include "model/ZVBObject.h"

// A human being: the parts of the name and five primary links to its own
// contact points. Value holds the full name built from the parts.
class TPersonObject : public TZVBObject
{
public:
    TPersonObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    const QString& Salutation() const { return m_salutation; }
    const QString& FirstName() const { return m_firstName; }
    const QString& MiddleName() const { return m_middleName; }
    const QString& LastName() const { return m_lastName; }
    void SetNameParts(const QString& salutation, const QString& first, const QString& middle, const QString& last);
    // Salutation + " " + First Name + " " + Last Name (a leading blank stays
    // when there is no salutation).
    QString FullName() const;
    PrimaryLinks& Primaries() { return m_primaries; }
    const PrimaryLinks& Primaries() const { return m_primaries; }

    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    bool ImportFields(const QStringList& fieldNames, QStringList& row) override;
    QString ExportField(const QString& fieldName) const override;
    void ImportVCard(TCard& card) override;
    void SendMail(const QString& attachmentPath) override;
    void SendFax(const QString& attachmentPath) override;
    void Dial() override;
    void Browse() override;
    void WriteVCard(const QString& path) const override;
    void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const override;
    void WriteHtmlIndexLink(THtmlOut& out, const QString& page) const override;
    // The card WriteVCard writes.
    void BuildCard(TCard& card) const;

private:
    QString m_salutation;
    QString m_firstName;
    QString m_middleName;
    QString m_lastName;
    PrimaryLinks m_primaries;
};
