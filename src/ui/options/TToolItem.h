#pragma once

#include "platform/ProcessStarter.h"

#include <QIcon>
#include <QString>

class ShellLauncher;

// One configured external program: what the menus show, what is started and
// whether tool items may be bound to it.
class TToolItem
{
public:
    TToolItem() = default;
    TToolItem(QString description, QString filename, QString arguments, bool allowAddress);

    QString Description;
    QString Filename;
    QString Arguments;
    bool AllowAddress = false;

    const QIcon& Icon() const { return m_icon; }
    // The position of the icon in the main window's image lists, -1 while it has none there.
    int ImageIndex() const { return m_imageIndex; }
    void SetIcon(const QIcon& icon, int imageIndex);

    // The settings-file form: description, program, arguments, "1" or "0".
    QString ToCommaText() const;
    // Exactly four fields make a tool; anything else gives false.
    static bool FromCommaText(const QString& text, TToolItem& tool);

    // The parameter text of the tool picker's Launch: the arguments, a blank
    // and the extra text when either is not empty, else nothing.
    static QString LaunchParameters(const QString& arguments, const QString& extra);
    // Starts the program in its own directory with LaunchParameters(Arguments, extra).
    LaunchResult Launch(const QString& extra, const ShellLauncher& launcher) const;
    // The menus start the program with no parameters at all.
    LaunchResult Start(const ShellLauncher& launcher) const;
    QString WorkingDirectory() const;

    // A file the user may execute; anything else cannot become a tool.
    static bool IsProgramFile(const QString& path);
    // The file name without its directory, and without a trailing ".exe".
    static QString DescriptionFor(const QString& path);

private:
    QIcon m_icon;
    int m_imageIndex = -1;
};
