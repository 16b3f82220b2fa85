#pragma once

#include "ui/shell/IniEntry.h"

#include <QList>

// The main window's persisted settings, in the order they are loaded and
// saved. Several entries share a key (a View-menu check mark and its bar's
// visibility or view button): the one saved last wins and both read it back.
//
// Object names the main window registers with its TIniOut (or gives its
// objects, with adapters where the property names differ):
//   MainForm                      Left, Top, Width, Height   (WindowGeometryAdapter)
//   LargeIcons, SmallIcons, List, Details,
//   ToolbarItem, NewItemBar, FindBarItem, TipBarItem   Checked (QAction or CheckedAdapter)
//   ViewTypeBtn1 .. ViewTypeBtn4  Down     (CheckedAdapter)
//   SpeedBar, NewBar, FindBar, TipBar1   Visible (ShownAdapter)
//   MainItems                     ViewStyle (a ListView::ViewStyle property)
namespace MainWindowSettings {

const QList<IniEntry>& Entries();

} // namespace MainWindowSettings
