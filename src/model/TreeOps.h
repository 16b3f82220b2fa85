#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class ItemRef;
class TTreeNode;
class TZVBObject;

// The compare rule of the tree and the list: folders first, then titles in
// one order ignoring case. Negative when a goes first; a missing item is equal.
int CompareItems(const TZVBObject* a, const TZVBObject* b);

// Contents of a container.
void AddContent(TZVBObject* container, std::unique_ptr<ItemRef> ref);
// Unlinks without freeing (moving a leaf); the caller takes the cell.
std::unique_ptr<ItemRef> RemoveContent(TZVBObject* container, const ItemRef* ref);
// Unlinks, destroys the item and frees the cell.
void DeleteContent(TZVBObject* container, const ItemRef* ref);
int ContentCount(const TZVBObject* item);
ItemRef* ContentAt(const TZVBObject* item, int n);
// Moves a leaf from its holder into another container.
void MoveLeaf(TZVBObject* from, const ItemRef* ref, TTreeNode* toNode);

// First the Contents, then the items of the child nodes: the first with this
// exact title and class code. An empty title finds nothing.
ItemRef* FindChild(const TZVBObject* item, const QString& title, int classCode);
// The first phone or fax in Contents whose digits equal the digit string.
ItemRef* FindByNumber(const TZVBObject* item, const QString& digits);
// The first entry of Contents whose lower-cased title has the text's first
// occurrence at its start or right after a blank.
ItemRef* FindByWord(const TZVBObject* item, const QString& lowerText);
// The same test for one title.
bool TitleMatchesWord(const QString& title, const QString& lowerText);
// The titles of the Contents entries of a class code, and for websites also
// of the child nodes of that code: the choices of a primary link.
QStringList ListChildTitles(const TZVBObject* item, int classCode);

// Adds delta to the DueCount of the node's container and of every ancestor
// below the root, updating their state images.
void ChangeAncestorsDueCount(TTreeNode* node, int delta);
