#pragma once

#include <QString>

// Where Zendrivo keeps its files.
class DataPaths
{
public:
    // $ZENDRIVO_HOME, else $XDG_DATA_HOME/zendrivo (default ~/.local/share/zendrivo).
    static QString DataDirectory();
    // Beside the data when $ZENDRIVO_HOME is set, else $XDG_CONFIG_HOME/zendrivo.
    static QString ConfigDirectory();
    // Creates the data directory when missing and makes it the current directory.
    // Returns false with a message in *error when that fails.
    static bool EnterDataDirectory(QString* error = nullptr);
};
