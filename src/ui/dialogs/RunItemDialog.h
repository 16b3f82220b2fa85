#pragma once

class QWidget;
class TZVBObject;

// Shows the item's edit dialog modally and takes its values over on OK.
// True when OK was pressed and the item took the values (a new item that
// answers false is discarded by the caller). New folders and teams, the root
// and items of unknown classes have no dialog and answer false.
bool RunItemDialog(TZVBObject& item, bool isNew, QWidget* parent);
