#include "ui/common/ImageLists.h"

#include "ui/common/UiResources.h"

#include <QPainter>
#include <QString>

namespace {

const char16_t* const kFiles[ImageLists::StandardCount] = {
    u"folder",  u"organization", u"team",     u"person",      u"website", u"address",
    u"phone",   u"email",        u"fax",      u"date",        u"folder-open", u"date-due",
    u"root",    u"document",     u"folder-remote", u"folder-remote-open",
};

QIcon FromResource(const char16_t* name)
{
    InitUiResources();
    return QIcon(u":/icons/" + QString::fromUtf16(name) + u".svg");
}

} // namespace

ImageLists::ImageLists(QObject* parent)
    : QObject(parent)
{
    for (int i = 0; i < StandardCount; ++i)
        m_icons.append(StandardIcon(i));
}

QIcon ImageLists::StandardIcon(int index)
{
    if (index < 0 || index >= StandardCount)
        return {};
    return FromResource(kFiles[index]);
}

QIcon ImageLists::Icon(int index) const
{
    return index >= 0 && index < Count() ? m_icons.at(index) : QIcon();
}

QPixmap ImageLists::Pixmap(int index, int size) const
{
    const QIcon icon = Icon(index);
    if (icon.isNull() || size <= 0)
        return {};
    QPixmap picture = icon.pixmap(size, size);
    if (picture.size() == QSize(size, size))
        return picture;
    // File icons may come in other sizes only; keep every row the same height.
    if (!picture.isNull())
        picture = picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap canvas(size, size);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawPixmap((size - picture.width()) / 2, (size - picture.height()) / 2, picture);
    return canvas;
}

int ImageLists::AddImage(const QIcon& icon)
{
    m_icons.append(icon);
    const int index = Count() - 1;
    Q_EMIT ImageChanged(index);
    return index;
}

bool ImageLists::ReplaceImage(int index, const QIcon& icon)
{
    if (index < StandardCount || index >= Count())
        return false;
    m_icons[index] = icon;
    Q_EMIT ImageChanged(index);
    return true;
}

QPixmap ImageLists::StateBullet()
{
    return FromResource(u"bullet").pixmap(BulletWidth, 16);
}

QIcon ImageLists::AppIcon()
{
    return FromResource(u"zendrivo");
}

QIcon ImageLists::BulbIcon()
{
    return FromResource(u"bulb");
}
