#include "automation/InsertCheck.h"

#include "model/ClassCodes.h"
#include "model/RecurringDate.h"
#include "model/TextRules.h"

namespace {

// The tag each class's details line begins with.
QStringView DetailsTag(int classCode)
{
    switch (classCode) {
    case ClassCode::Folder: return u"{Fold}";
    case ClassCode::Organization: return u"{Orgn}";
    case ClassCode::Team: return u"{Team}";
    case ClassCode::Person: return u"{Pers}";
    case ClassCode::Website: return u"{Webs}";
    case ClassCode::Address: return u"{Addr}";
    case ClassCode::Phone: return u"{Phon}";
    case ClassCode::EMail: return u"{Mail}";
    case ClassCode::Fax: return u"{Faxs}";
    case ClassCode::Reminder: return u"{Remd}";
    case ClassCode::Document: return u"{Docs}";
    case ClassCode::Tool: return u"{Tool}";
    default: return {};
    }
}

// A date item's recurrence must be four decimal numbers; the reader would
// otherwise keep today's date without a word.
QString RecurrenceProblem(QStringView fields)
{
    const QList<QString> parts = TextRules::SplitFields(fields);
    if (parts.isEmpty() || parts.first().isEmpty())
        return {};
    const QString& recurrence = parts.first();
    if (recurrence.split(u',').size() != 4)
        return QStringLiteral("The date \"%1\" is not year,month,day,mode").arg(recurrence);
    try {
        TRecurringDate date;
        date.FromText(recurrence);
    } catch (const EConvertError&) {
        return QStringLiteral("The date \"%1\" is not year,month,day,mode").arg(recurrence);
    }
    return {};
}

} // namespace

namespace InsertCheck {

QString Problem(int classCode, const QString& details)
{
    if (classCode == ClassCode::Root)
        return QStringLiteral("Class code 11 is the root \"My Contacts\"; there is only one");
    const QStringView tag = DetailsTag(classCode);
    if (tag.isEmpty())
        return QStringLiteral("Unknown class code %1").arg(classCode);
    if (details.isEmpty())
        return {};
    if (details.contains(u'\r') || details.contains(u'\n'))
        return QStringLiteral("The details must be one line");
    if (!details.startsWith(tag))
        return QStringLiteral("The details of class %1 must begin with \"%2\"").arg(classCode).arg(tag);
    if (classCode == ClassCode::Reminder)
        return RecurrenceProblem(QStringView(details).sliced(tag.size()));
    return {};
}

} // namespace InsertCheck
