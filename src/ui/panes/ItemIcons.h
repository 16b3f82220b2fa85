#pragma once

#include <QHash>
#include <QIcon>

class ImageLists;

// The icons the panes show, made from the image lists: a tree node's icon
// has room for the state bullet on its left (shown when the container has
// due dates below it) and its selected image for the selected state; a list
// row's icon carries the bullet in its corner.
class ItemIcons
{
public:
    explicit ItemIcons(const ImageLists& images) : m_images(images) {}

    static constexpr int kTreeIconWidth = 28;

    QIcon TreeIcon(int image, int selectedImage, int state) const;
    QIcon ListIcon(int image, int state) const;
    // Forget what was made, after an image changed.
    void Clear() { m_cache.clear(); }

private:
    const ImageLists& m_images;
    mutable QHash<qint64, QIcon> m_cache;
};
