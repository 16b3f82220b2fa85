#pragma once

#include "platform/ProcessStarter.h"
#include "ui/options/TToolItem.h"

#include <QAbstractListModel>
#include <QList>

class ImageLists;
class ShellLauncher;

// The external tools in the order the user set them up, kept in section
// "Tools" of the settings file. The list is also the model the tool lists
// of the tool picker and the Options dialog show (description and icon).
// Changes act at once; they reach the file when Save runs at the end.
class TToolItems : public QAbstractListModel
{
    Q_OBJECT

public:
    // More would be a damaged file, not a menu anyone can use.
    static constexpr int kMaxTools = 1000;

    // Reads the tools from the settings file at profilePath. With image
    // lists, every tool's icon is added to them for the tool items to show.
    explicit TToolItems(const QString& profilePath, ImageLists* images = nullptr, QObject* parent = nullptr);

    const QString& ProfilePath() const { return m_profilePath; }

    // Reads section "Tools" again in file order; values without exactly
    // four comma fields are dropped.
    void Load();
    // Erases section "Tools" and writes "Tool0", "Tool1", ...; false when
    // the file could not be written.
    bool Save() const;

    int Count() const { return static_cast<int>(m_tools.size()); }
    const TToolItem& Item(int index) const { return m_tools.at(index); }
    // Index of the first tool whose program is exactly this path, or -1.
    int FindByFilename(const QString& filename) const;
    int IndexOf(const QString& description) const;
    // The tool's image for a tool item; ImageLists::Document when no tool runs this program.
    int ImageIndexFor(const QString& program) const;

    // Appends the tool, taking its program's icon; returns its index.
    int Append(const TToolItem& tool);
    // Removes the first tool with exactly this description; false when there is none.
    bool Remove(const QString& description);
    // Removes the tool at this row; two tools may share a description.
    bool RemoveAt(int index);
    // Stores the attributes the Options dialog edits beside the program.
    void SetAttributes(int index, const QString& description, const QString& arguments, bool allowAddress);
    // Stores the program and takes its icon, replacing the old one in the image lists.
    void SetFilename(int index, const QString& filename);

    // Starts tools through this starter instead of the desktop's (tests).
    void SetStarter(ProcessStarter* starter) { m_starter = starter; }
    // The menus' start: the program alone.
    LaunchResult Start(int index) const;
    // The tool picker's start: the arguments and the extra text.
    LaunchResult Launch(int index, const QString& extra = {}) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // Any change of the list or of a tool: the menus are filled again.
    void Changed();

private:
    void TakeIcon(TToolItem& tool);
    ShellLauncher Launcher() const;

    QString m_profilePath;
    ImageLists* m_images;
    ProcessStarter* m_starter = nullptr;
    QList<TToolItem> m_tools;
};
