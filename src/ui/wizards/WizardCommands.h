#pragma once

class PaneHost;
class QAction;
class QMenu;

// The File menu's "&Import..." and "P&ublish...", which open the wizards on
// the selected node.
namespace WizardCommands {

// Inserts both commands and a separator before the action.
void Install(QMenu& fileMenu, QAction* before, PaneHost& host);

void Import(PaneHost& host);
void Publish(PaneHost& host);

} // namespace WizardCommands
