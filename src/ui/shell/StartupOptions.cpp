#include "ui/shell/StartupOptions.h"

#include <QFileInfo>

namespace StartupOptions {

bool StartHidden(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("HIDEWIN"), Qt::CaseSensitive);
}

QStringList WithAbsolutePaths(const QStringList& arguments)
{
    QStringList result = arguments;
    for (qsizetype i = 1; i < result.size(); ++i) {
        const QFileInfo file(result[i]);
        if (file.isFile())
            result[i] = file.absoluteFilePath();
    }
    return result;
}

} // namespace StartupOptions
