#include "ui/panes/ViewStyle.h"

#include <QMetaEnum>

namespace ListView {

QString ViewStyleName(ViewStyle style)
{
    return QString::fromLatin1(QMetaEnum::fromType<ViewStyle>().valueToKey(style));
}

ViewStyle ViewStyleFromName(const QString& name, bool* ok)
{
    bool found = false;
    const int value = QMetaEnum::fromType<ViewStyle>().keyToValue(name.toLatin1().constData(), &found);
    if (ok)
        *ok = found;
    return found ? static_cast<ViewStyle>(value) : vsIcon;
}

} // namespace ListView
