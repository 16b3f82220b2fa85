#include "ui/options/TToolItem.h"

#include "platform/ShellLauncher.h"
#include "ui/common/CommaText.h"

#include <QFileInfo>

TToolItem::TToolItem(QString description, QString filename, QString arguments, bool allowAddress)
    : Description(std::move(description)), Filename(std::move(filename)), Arguments(std::move(arguments)),
      AllowAddress(allowAddress)
{
}

void TToolItem::SetIcon(const QIcon& icon, int imageIndex)
{
    m_icon = icon;
    m_imageIndex = imageIndex;
}

QString TToolItem::ToCommaText() const
{
    return CommaText::Join({Description, Filename, Arguments, AllowAddress ? QStringLiteral("1") : QStringLiteral("0")});
}

bool TToolItem::FromCommaText(const QString& text, TToolItem& tool)
{
    const QStringList fields = CommaText::Split(text);
    if (fields.size() != 4)
        return false;
    tool = TToolItem(fields.at(0), fields.at(1), fields.at(2), fields.at(3) == u"1");
    return true;
}

QString TToolItem::LaunchParameters(const QString& arguments, const QString& extra)
{
    if (arguments.isEmpty() && extra.isEmpty())
        return {};
    return arguments + u' ' + extra;
}

LaunchResult TToolItem::Launch(const QString& extra, const ShellLauncher& launcher) const
{
    return launcher.Launch(Filename, LaunchParameters(Arguments, extra), WorkingDirectory());
}

LaunchResult TToolItem::Start(const ShellLauncher& launcher) const
{
    return launcher.Launch(Filename, {}, WorkingDirectory());
}

QString TToolItem::WorkingDirectory() const
{
    return Filename.isEmpty() ? QString() : QFileInfo(Filename).absolutePath();
}

bool TToolItem::IsProgramFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString TToolItem::DescriptionFor(const QString& path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(u".exe", Qt::CaseInsensitive))
        name.chop(4);
    return name;
}
