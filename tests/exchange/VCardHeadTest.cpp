#include "VCardTestSupport.h"

#include "exchange/VCardHead.h"
#include "model/Card.h"

#include <QByteArray>
#include <QList>

#include <gtest/gtest.h>

#include <cstdint>

namespace {
// What a head says, in a line that a failure shows as it is.
QByteArray Described(const QByteArray& line)
{
    VCardHead head;
    if (!head.Scan(line))
        return "no head";
    return "name " + head.name.toByteArray() + ", types " + QByteArray::number(head.parameters, 16) +
           (head.quotedPrintable ? ", quoted-printable" : "") + (head.base64 ? ", base64" : "") + ", charset " +
           head.charset.toByteArray() + ", value " + QByteArrayView(line).sliced(head.valueStart).toByteArray();
}

std::uint32_t TypesOf(const QByteArray& line)
{
    VCardHead head;
    head.Scan(line);
    return head.parameters;
}
} // namespace

TEST(VCardHead, NamesParametersAndEncodingsInTheirUsualSpellings)
{
    EXPECT_EQ(Described("TEL;TYPE=CELL,PREF:+1 555 7629"),
              "name TEL, types " + QByteArray::number(Bits({CardParameter::Cell, CardParameter::Pref}), 16) +
                  ", charset , value +1 555 7629");
    EXPECT_EQ(Described("note;charset=ISO-8859-1;encoding=QUOTED-PRINTABLE:caf=E9"),
              "name note, types 0, quoted-printable, charset ISO-8859-1, value caf=E9");
    EXPECT_EQ(TypesOf("TEL;WORK;VOICE;PREF=1;X-CUSTOM=a=b:555"),
              Bits({CardParameter::Work, CardParameter::Voice, CardParameter::Pref}));
    EXPECT_EQ(Described("PHOTO;ENCODING=b;TYPE=JPEG:AAAA"), "name PHOTO, types 0, base64, charset , value AAAA");
    EXPECT_EQ(Described("item1.EMAIL;type=INTERNET:a@b.example"),
              "name EMAIL, types " + QByteArray::number(Bits({CardParameter::Internet}), 16) + ", charset , value a@b.example");
    EXPECT_EQ(TypesOf("ADR;TYPE=\"home,postal\":;;1 Main St"), Bits({CardParameter::Home, CardParameter::Postal}));
    EXPECT_TRUE(Described("X-NOTE;X-LABEL=\"a:b\":value").endsWith(", value value"));
    EXPECT_EQ(Described("no colon at all"), "no head");
    EXPECT_EQ(Described(QByteArray()), "no head");
    EXPECT_EQ(Described(":bare value"), "name , types 0, charset , value bare value");
    // A head longer than a short one, with the colon far in.
    EXPECT_EQ(TypesOf("EMAIL;TYPE=INTERNET;TYPE=WORK;TYPE=PREF;X-EVOLUTION-UI-SLOT=1:a@b.example"),
              Bits({CardParameter::Internet, CardParameter::Work, CardParameter::Pref}));
}

// Blanks around the parts of a head, and a group before its name, change
// nothing of what it says. Short plain heads are read by a quicker way than
// the others; heads of every kind built from these parts must read alike
// either way.
TEST(VCardHead, AHeadReadsTheSameWithBlanksAroundItsPartsAndAGroup)
{
    const QByteArray names[] = {"TEL", "EMAIL", "N", "fn", "ADR", "X-FOO", "Note", "BDAY"};
    const QByteArray parameters[] = {"TYPE=CELL",  "TYPE=work,voice", "type=PREF",  "PREF=1",      "WORK",
                                     "HOME,FAX",   "ENCODING=QUOTED-PRINTABLE", "ENCODING=b", "CHARSET=UTF-8",
                                     "X=1",        "",                "TYPE=",      "TYPE=,,CELL", "=x",
                                     "PREF",       "QUOTED-PRINTABLE", "BASE64",    "internet,,x400", "TYPE=a=b"};
    std::uint32_t state = 99;
    const auto next = [&state](std::uint32_t below) {
        state = state * 1103515245U + 12345U;
        return ((state >> 16) & 0x7FFF) % below;
    };
    for (int round = 0; round < 3000; ++round) {
        QList<QByteArray> parts{names[next(std::size(names))]};
        const int count = static_cast<int>(next(5));
        for (int i = 0; i < count; ++i)
            parts.append(parameters[next(std::size(parameters))]);
        const QByteArray plain = parts.join(';') + ":v;1";
        QByteArray spaced = parts.join(" ; ");
        spaced.replace("=", " = ");
        spaced += " :v;1";
        const QByteArray expected = Described(spaced);
        ASSERT_NE(expected, "no head");
        ASSERT_EQ(Described(plain), expected) << plain.constData();
        ASSERT_EQ(Described("group." + plain), expected) << plain.constData();
        ASSERT_EQ(Described(parts.join(";\t") + ":v;1"), expected) << plain.constData();
        ASSERT_EQ(Described(parts.join(';') + "\r:v;1"), expected) << plain.constData();
    }
}
