#include "cli/RecordTypeArguments.h"

#include "cli/CliSession.h"
#include "exchange/RecordTypes.h"

namespace RecordTypeArguments {

const RecordType& Type(const QString& name)
{
    if (const RecordType* type = RecordTypes::Find(name.trimmed()))
        return *type;
    QStringList names;
    for (const RecordType& type : RecordTypes::All())
        names.append(u'"' + type.name + u'"');
    throw CliError(QStringLiteral("Unknown record type \"%1\" (one of %2)").arg(name, names.join(u", ")));
}

QStringList Fields(const QString& text, const RecordType& type)
{
    if (text.trimmed().isEmpty())
        return type.fields;
    QStringList fields;
    for (const QString& part : text.split(u',')) {
        const QString name = part.trimmed();
        qsizetype found = -1;
        for (qsizetype i = 0; i < type.fields.size() && found < 0; ++i) {
            if (type.fields[i].compare(name, Qt::CaseInsensitive) == 0)
                found = i;
        }
        if (found < 0)
            throw CliError(QStringLiteral("\"%1\" is not a field of %2 (fields: %3)")
                               .arg(name, type.name, type.fields.join(QStringLiteral(", "))));
        if (fields.contains(type.fields[found]))
            throw CliError(QStringLiteral("Field \"%1\" is given twice").arg(type.fields[found]));
        fields.append(type.fields[found]);
    }
    return fields;
}

} // namespace RecordTypeArguments
