#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>

// The item images of the tree and the list, in small (16 px) and large
// (32 px) form. Indexes 0 to 15 are the program's own pictures; documents and
// tools add the icons of their files after them (one index serves both sizes).
class ImageLists : public QObject
{
    Q_OBJECT

public:
    enum Image {
        Folder = 0,
        Organization,
        Team,
        Person,
        Website,
        PostalAddress,
        Phone,
        EMail,
        Fax,
        DateItem,
        OpenFolder,
        DueDateItem,
        Root,
        Document,
        RemoteFolder,
        OpenRemoteFolder,
        StandardCount
    };
    static constexpr int SmallSize = 16;
    static constexpr int LargeSize = 32;
    // The tree's state bullet (a container with due dates below it).
    static constexpr int BulletWidth = 11;

    explicit ImageLists(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(m_icons.size()); }
    // A null icon for an index outside the lists.
    QIcon Icon(int index) const;
    // Exactly size by size (the picture centred when its own size differs);
    // a null pixmap for an index outside the lists.
    QPixmap Pixmap(int index, int size = SmallSize) const;

    // Appends a file's icon to both sizes; returns its index.
    int AddImage(const QIcon& icon);
    // Replaces an added image; the program's own images stay. False when refused.
    bool ReplaceImage(int index, const QIcon& icon);

    static QIcon StandardIcon(int index);
    // BulletWidth by 16 pixels, the dot centred.
    static QPixmap StateBullet();
    static QIcon AppIcon();
    static QIcon BulbIcon();

Q_SIGNALS:
    void ImageChanged(int index);

private:
    QList<QIcon> m_icons;
};
