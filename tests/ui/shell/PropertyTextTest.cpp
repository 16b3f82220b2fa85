#include "QtPrinters.h"
#include "ui/shell/PropertyText.h"
#include "ui/panes/ViewStyle.h"

#include <QColor>
#include <QCursor>
#include <QObject>
#include <QSize>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// One property of every kind the settings file stores.
class Sample : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Number MEMBER number)
    Q_PROPERTY(bool Flag MEMBER flag)
    Q_PROPERTY(double Ratio MEMBER ratio)
    Q_PROPERTY(QString Text MEMBER text)
    Q_PROPERTY(QStringList Lines MEMBER lines)
    Q_PROPERTY(QColor Colour MEMBER colour)
    Q_PROPERTY(QCursor Pointer MEMBER pointer)
    Q_PROPERTY(QChar Letter MEMBER letter)
    Q_PROPERTY(QSize Extent MEMBER extent)
    Q_PROPERTY(ListView::ViewStyle Style MEMBER style)
    Q_PROPERTY(Qt::Alignment Align MEMBER align)
    Q_PROPERTY(QObject* Partner MEMBER partner)
public:
    int number = 0;
    bool flag = false;
    double ratio = 0;
    QString text;
    QStringList lines;
    QColor colour;
    QCursor pointer;
    QChar letter;
    QSize extent;
    ListView::ViewStyle style = ListView::vsIcon;
    Qt::Alignment align;
    QObject* partner = nullptr;
};

QString ReadText(const QObject& object, const char* name)
{
    return PropertyText::Read(&object, PropertyText::Find(&object, QString::fromLatin1(name))).value_or(QStringLiteral("<none>"));
}

bool WriteText(QObject& object, const char* name, const QString& text, const PropertyText::ObjectLookup& lookup = {})
{
    return PropertyText::Write(&object, PropertyText::Find(&object, QString::fromLatin1(name)), text, lookup);
}

TEST(PropertyTextTest, WritesEachKindInItsTextForm)
{
    Sample s;
    QObject partner;
    partner.setObjectName(QStringLiteral("Buddy"));
    s.number = -42;
    s.flag = true;
    s.ratio = 0.1;
    s.text = QStringLiteral("a;b c");
    s.lines = {QStringLiteral("one"), QStringLiteral("two")};
    s.colour = QColor(255, 0, 0);
    s.pointer = QCursor(Qt::WaitCursor);
    s.letter = u'Z';
    s.extent = QSize(30, 40);
    s.style = ListView::vsReport;
    s.align = Qt::AlignLeft | Qt::AlignBottom;
    s.partner = &partner;

    EXPECT_EQ(ReadText(s, "Number"), u"-42");
    EXPECT_EQ(ReadText(s, "Flag"), u"1");
    EXPECT_EQ(ReadText(s, "Ratio"), u"0.1");
    EXPECT_EQ(ReadText(s, "Text"), u"a;b c");
    EXPECT_EQ(ReadText(s, "Lines"), u"one|two");
    EXPECT_EQ(ReadText(s, "Colour"), u"red");
    EXPECT_EQ(ReadText(s, "Pointer"), u"WaitCursor");
    EXPECT_EQ(ReadText(s, "Letter"), u"Z");
    EXPECT_EQ(ReadText(s, "Extent"), u"30|40|");
    EXPECT_EQ(ReadText(s, "Style"), u"vsReport");
    EXPECT_EQ(ReadText(s, "Align"), u"[AlignLeft,AlignBottom]");
    EXPECT_EQ(ReadText(s, "Partner"), u"Buddy");

    s.flag = false;
    s.colour = QColor(1, 2, 3);
    s.partner = nullptr;
    EXPECT_EQ(ReadText(s, "Flag"), u"0");
    EXPECT_EQ(ReadText(s, "Colour"), u"#010203") << "a colour without a name is kept as its number";
    EXPECT_EQ(ReadText(s, "Partner"), u"");
}

TEST(PropertyTextTest, ReadsBackWhatItWrites)
{
    Sample out;
    out.number = 2147483647;
    out.ratio = 1.0 / 3.0;
    out.lines = {QStringLiteral("x"), QString(), QStringLiteral("z")};
    out.colour = QColor(10, 20, 30);
    out.style = ListView::vsSmallIcon;
    out.align = Qt::AlignRight | Qt::AlignVCenter;
    out.extent = QSize(-1, 7);

    Sample in;
    for (const char* name : {"Number", "Ratio", "Lines", "Colour", "Style", "Align", "Extent"})
        EXPECT_TRUE(WriteText(in, name, ReadText(out, name))) << name;
    EXPECT_EQ(in.number, out.number);
    EXPECT_EQ(in.ratio, out.ratio);
    EXPECT_EQ(in.lines, out.lines);
    EXPECT_EQ(in.colour, out.colour);
    EXPECT_EQ(in.style, out.style);
    EXPECT_EQ(in.align, out.align);
    EXPECT_EQ(in.extent, out.extent);
}

TEST(PropertyTextTest, BooleansAreTrueOnlyForTheirLeadingLetters)
{
    Sample s;
    for (const char16_t* yes : {u"1", u"True", u"t", u"Yes", u"y"}) {
        s.flag = false;
        EXPECT_TRUE(WriteText(s, "Flag", QString::fromUtf16(yes)));
        EXPECT_TRUE(s.flag) << QString::fromUtf16(yes).toStdString();
    }
    for (const char16_t* no : {u"0", u"False", u"no", u"", u" 1", u"on"}) {
        s.flag = true;
        EXPECT_TRUE(WriteText(s, "Flag", QString::fromUtf16(no)));
        EXPECT_FALSE(s.flag) << QString::fromUtf16(no).toStdString();
    }
}

TEST(PropertyTextTest, TextsThatDoNotConvertLeaveTheValue)
{
    Sample s;
    s.number = 5;
    s.style = ListView::vsList;
    s.colour = Qt::blue;
    s.extent = QSize(1, 2);
    EXPECT_FALSE(WriteText(s, "Number", QStringLiteral("12abc")));
    EXPECT_FALSE(WriteText(s, "Number", QStringLiteral("99999999999")));
    EXPECT_FALSE(WriteText(s, "Style", QStringLiteral("vsTiles")));
    EXPECT_FALSE(WriteText(s, "Colour", QStringLiteral("no colour")));
    EXPECT_FALSE(WriteText(s, "Extent", QStringLiteral("3|")));
    EXPECT_FALSE(WriteText(s, "Partner", QStringLiteral("Nobody"), [](const QString&) { return nullptr; }));
    EXPECT_EQ(s.number, 5);
    EXPECT_EQ(s.style, ListView::vsList);
    EXPECT_EQ(s.colour, QColor(Qt::blue));
    EXPECT_EQ(s.extent, QSize(1, 2));
}

TEST(PropertyTextTest, SetsTakeOnlyTheMembersNamed)
{
    Sample s;
    EXPECT_TRUE(WriteText(s, "Align", QStringLiteral("[AlignHCenter, Bogus,AlignTop]")));
    EXPECT_EQ(s.align, Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_TRUE(WriteText(s, "Align", QStringLiteral("[]")));
    EXPECT_EQ(s.align, Qt::Alignment());
}

TEST(PropertyTextTest, ObjectReferencesAndNamesResolve)
{
    Sample s;
    QObject buddy;
    EXPECT_TRUE(WriteText(s, "partner", QStringLiteral("Buddy"), [&](const QString& name) {
        return name == u"Buddy" ? &buddy : nullptr;
    })) << "property names compare without case";
    EXPECT_EQ(s.partner, &buddy);
    EXPECT_TRUE(WriteText(s, "Pointer", QStringLiteral("PointingHandCursor")));
    EXPECT_EQ(s.pointer.shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(WriteText(s, "Colour", QStringLiteral("navy")));
    EXPECT_EQ(s.colour, QColor(0, 0, 128));
    EXPECT_FALSE(PropertyText::Find(&s, QStringLiteral("Missing")).isValid());
}

TEST(ViewStyleTest, NamesRoundTrip)
{
    for (auto style : {ListView::vsIcon, ListView::vsSmallIcon, ListView::vsList, ListView::vsReport})
        EXPECT_EQ(ListView::ViewStyleFromName(ListView::ViewStyleName(style)), style);
    EXPECT_EQ(ListView::ViewStyleName(ListView::vsReport), u"vsReport");
    bool ok = true;
    EXPECT_EQ(ListView::ViewStyleFromName(QStringLiteral("Report"), &ok), ListView::vsIcon);
    EXPECT_FALSE(ok);
}

} // namespace

#include "PropertyTextTest.moc"
