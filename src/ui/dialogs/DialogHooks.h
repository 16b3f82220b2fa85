#pragma once

#include <QIcon>

#include <functional>

// What the item dialogs need from the main window without knowing it: the
// help browser behind every "&Help" button and the item images.
namespace DialogHooks {

// The help topic of the item edit dialogs.
inline constexpr int kItemDialogHelpContext = 1039;

using HelpHandler = std::function<void(int context)>;
void SetHelpHandler(HelpHandler handler);
// Asks the installed handler for the topic; nothing without one.
void RequestHelp(int context);

// The image of an index of the item image lists (large variant).
using IconProvider = std::function<QIcon(int imageIndex)>;
void SetIconProvider(IconProvider provider);
// The provider's image, or a stock one while no provider is installed.
QIcon ItemIcon(int imageIndex);

} // namespace DialogHooks
