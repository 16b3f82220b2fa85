#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>

class TTreeNode;
class TZVBObject;

// The lines of a published page as the items write their fragments into it,
// with what the items cannot know on their own: the unique anchor of each
// container and the card file of each person and organization.
class THtmlOut
{
public:
    explicit THtmlOut(const TTreeNode* publishedRoot = nullptr) : m_root(publishedRoot) {}

    void Add(const QString& line) { m_lines.append(line); }
    const QStringList& Lines() const { return m_lines; }
    QStringList TakeLines() { return std::exchange(m_lines, {}); }

    // The node the site was published from; null outside publishing.
    const TTreeNode* PublishedRoot() const { return m_root; }

    // The anchor the publisher gave the item, else one made from its title.
    QString Anchor(const TZVBObject& item) const;
    void SetAnchor(const TZVBObject* item, const QString& anchor) { m_anchors.insert(item, anchor); }
    // The card file the publisher gave the item, else "vc" + Id + ".vcf".
    QString VCardFile(const TZVBObject& item) const;
    void SetVCardFile(const TZVBObject* item, const QString& file) { m_cards.insert(item, file); }

    // User text made safe for element content and attribute values.
    static QString Escape(QStringView text);
    // An anchor name from a title: letters and digits stay, anything else
    // (blanks, "#", quotes) becomes "_"; "item" for an empty title.
    static QString AnchorName(QStringView title);
    // The URL escaped for an href, or empty when it would run script
    // ("javascript:", "vbscript:", "data:") instead of naming a page.
    static QString SafeHref(const QString& url);

private:
    const TTreeNode* m_root;
    QStringList m_lines;
    QHash<const TZVBObject*, QString> m_anchors;
    QHash<const TZVBObject*, QString> m_cards;
};
