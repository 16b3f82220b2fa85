#pragma once

#include "platform/HandOverMessage.h"

#include <QStringList>

class TMainForm;

// Runs a command that zendrivo-cli handed over, with the command line's own
// code, on the window's live tree: same output, same exit status, and the
// database saved as the command line would have.
HandOver::Reply RunHandedCommand(TMainForm& form, const QStringList& arguments, const QString& workingDirectory);
