#include "ui/options/TToolItems.h"

#include "platform/ProfileFile.h"
#include "platform/ShellLauncher.h"
#include "ui/common/ImageLists.h"
#include "ui/common/ProgramIcon.h"

namespace {
const QString kSection = QStringLiteral("Tools");
} // namespace

TToolItems::TToolItems(const QString& profilePath, ImageLists* images, QObject* parent)
    : QAbstractListModel(parent), m_profilePath(profilePath), m_images(images)
{
    Load();
}

void TToolItems::Load()
{
    beginResetModel();
    m_tools.clear();
    const ProfileFile profile(m_profilePath);
    // Whatever the keys are called, the file's order is the menus' order.
    for (const QString& key : profile.ReadSection(kSection)) {
        TToolItem tool;
        if (!TToolItem::FromCommaText(profile.ReadString(kSection, key), tool))
            continue;
        TakeIcon(tool);
        m_tools.append(tool);
        if (m_tools.size() == kMaxTools)
            break;
    }
    endResetModel();
    Q_EMIT Changed();
}

bool TToolItems::Save() const
{
    ProfileFile profile(m_profilePath);
    if (!profile.EraseSection(kSection))
        return false;
    for (int n = 0; n < Count(); ++n) {
        if (!profile.WriteString(kSection, u"Tool" + QString::number(n), m_tools.at(n).ToCommaText()))
            return false;
    }
    return true;
}

int TToolItems::FindByFilename(const QString& filename) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_tools.at(i).Filename == filename)
            return i;
    }
    return -1;
}

int TToolItems::IndexOf(const QString& description) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_tools.at(i).Description == description)
            return i;
    }
    return -1;
}

int TToolItems::ImageIndexFor(const QString& program) const
{
    const int index = FindByFilename(program);
    const int image = index < 0 ? -1 : m_tools.at(index).ImageIndex();
    return image < 0 ? ImageLists::Document : image;
}

int TToolItems::Append(const TToolItem& tool)
{
    const int index = Count();
    beginInsertRows({}, index, index);
    m_tools.append(tool);
    TakeIcon(m_tools.last());
    endInsertRows();
    Q_EMIT Changed();
    return index;
}

bool TToolItems::Remove(const QString& description)
{
    return RemoveAt(IndexOf(description));
}

bool TToolItems::RemoveAt(int index)
{
    if (index < 0 || index >= Count())
        return false;
    // The tool's image stays in the lists: tool items may still show it.
    beginRemoveRows({}, index, index);
    m_tools.removeAt(index);
    endRemoveRows();
    Q_EMIT Changed();
    return true;
}

void TToolItems::SetAttributes(int index, const QString& description, const QString& arguments, bool allowAddress)
{
    if (index < 0 || index >= Count())
        return;
    TToolItem& tool = m_tools[index];
    if (tool.Description == description && tool.Arguments == arguments && tool.AllowAddress == allowAddress)
        return;
    tool.Description = description;
    tool.Arguments = arguments;
    tool.AllowAddress = allowAddress;
    Q_EMIT dataChanged(this->index(index), this->index(index));
    Q_EMIT Changed();
}

void TToolItems::SetFilename(int index, const QString& filename)
{
    if (index < 0 || index >= Count() || m_tools.at(index).Filename == filename)
        return;
    m_tools[index].Filename = filename;
    TakeIcon(m_tools[index]);
    Q_EMIT dataChanged(this->index(index), this->index(index));
    Q_EMIT Changed();
}

LaunchResult TToolItems::Start(int index) const
{
    if (index < 0 || index >= Count())
        return {false, QStringLiteral("No such tool")};
    return m_tools.at(index).Start(Launcher());
}

LaunchResult TToolItems::Launch(int index, const QString& extra) const
{
    if (index < 0 || index >= Count())
        return {false, QStringLiteral("No such tool")};
    return m_tools.at(index).Launch(extra, Launcher());
}

int TToolItems::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant TToolItems::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TToolItem& tool = m_tools.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return tool.Description;
    case Qt::DecorationRole:
        return tool.Icon();
    case Qt::ToolTipRole:
        return tool.Filename;
    default:
        return {};
    }
}

void TToolItems::TakeIcon(TToolItem& tool)
{
    const QIcon icon = ProgramIcon::For(tool.Filename);
    int image = tool.ImageIndex();
    if (m_images) {
        // A tool keeps its place in the lists, so the tool items that show it follow the change.
        if (image < 0)
            image = m_images->AddImage(icon);
        else
            m_images->ReplaceImage(image, icon);
    }
    tool.SetIcon(icon, image);
}

ShellLauncher TToolItems::Launcher() const
{
    return m_starter ? ShellLauncher(*m_starter) : ShellLauncher();
}
