#include "VCardTestSupport.h"

#include "model/PersonObject.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
QByteArray CorpusFile(const char* name)
{
    QFile file(CorpusDir() + u'/' + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void Dump(const TZVBObject* item, QString& out)
{
    out += QStringLiteral("[%1] %2 | %3").arg(item->ClassCode()).arg(item->Title(), item->Value());
    if (auto* p = dynamic_cast<const TPersonObject*>(item))
        out += QStringLiteral(" {%1|%2|%3|%4} pri=%5/%6/%7/%8").arg(p->Salutation(), p->FirstName(), p->MiddleName(), p->LastName(),
            p->Primaries().Address, p->Primaries().Phone, p->Primaries().EMail, p->Primaries().Fax);
    out += u'\n';
    for (const auto& ref : item->Contents()) {
        out += QStringLiteral("   [%1] %2 | %3").arg(ref->Item()->ClassCode()).arg(ref->Item()->Title(), ref->Item()->Value());
        if (auto* a = dynamic_cast<const TAddressObject*>(ref->Item()))
            out += u" {" + a->Lines().join(u'|') + u"|" + a->City() + u"|" + a->State() + u"|" + a->PostalCode() + u"|" + a->Country() + u"}";
        out += u'\n';
    }
}
} // namespace

TEST(VCardCorpus, Dump)
{
    if (!QDir(CorpusDir()).exists())
        GTEST_SKIP();
    for (const QString& name : QDir(CorpusDir()).entryList({QStringLiteral("*.vcf")})) {
        ImportedCards cards;
        const int n = cards.Import(CorpusFile(name.toLatin1().constData()));
        QString out = QStringLiteral("=== %1: %2\n").arg(name).arg(n);
        for (int i = 0; i < cards.tree.Count() - 1; ++i)
            Dump(cards.Item(i), out);
        printf("%s", out.toUtf8().constData());
    }
}
