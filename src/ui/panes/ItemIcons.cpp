#include "ui/panes/ItemIcons.h"

#include "ui/common/ImageLists.h"

#include <QPainter>

namespace {
qint64 Key(int kind, int image, int selected, int state)
{
    return (static_cast<qint64>(kind) << 48) | (static_cast<qint64>(image & 0xFFFF) << 32)
        | (static_cast<qint64>(selected & 0xFFFF) << 16) | static_cast<qint64>(state & 0xFFFF);
}

QPixmap WithBulletRoom(const QPixmap& image, bool bullet)
{
    QPixmap out(ItemIcons::kTreeIconWidth, 16);
    out.fill(Qt::transparent);
    QPainter p(&out);
    if (bullet)
        p.drawPixmap(0, 0, ImageLists::StateBullet());
    p.drawPixmap(ItemIcons::kTreeIconWidth - 16, 0, image.scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return out;
}

QPixmap WithCornerBullet(const QPixmap& image, int size)
{
    QPixmap out = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&out);
    const QPixmap bullet = ImageLists::StateBullet();
    p.drawPixmap(0, size - bullet.height(), bullet);
    return out;
}
} // namespace

QIcon ItemIcons::TreeIcon(int image, int selectedImage, int state) const
{
    const qint64 key = Key(1, image, selectedImage, state);
    if (auto it = m_cache.constFind(key); it != m_cache.constEnd())
        return *it;
    QIcon icon;
    const bool bullet = state > 0;
    icon.addPixmap(WithBulletRoom(m_images.Pixmap(image, 16), bullet), QIcon::Normal);
    icon.addPixmap(WithBulletRoom(m_images.Pixmap(selectedImage, 16), bullet), QIcon::Selected);
    m_cache.insert(key, icon);
    return icon;
}

QIcon ItemIcons::ListIcon(int image, int state) const
{
    const qint64 key = Key(2, image, 0, state);
    if (auto it = m_cache.constFind(key); it != m_cache.constEnd())
        return *it;
    QIcon icon;
    for (int size : {16, 32}) {
        const QPixmap pixmap = m_images.Pixmap(image, size);
        icon.addPixmap(state > 0 ? WithCornerBullet(pixmap, size) : pixmap);
    }
    m_cache.insert(key, icon);
    return icon;
}
