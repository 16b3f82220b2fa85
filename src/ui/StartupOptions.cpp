#include "ui/StartupOptions.h"

namespace StartupOptions {

bool StartHidden(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("HIDEWIN"), Qt::CaseSensitive);
}

} // namespace StartupOptions
