#include "ui/dialogs/DialogHooks.h"

#include "model/ClassCodes.h"

#include <QApplication>
#include <QStyle>

namespace {
DialogHooks::HelpHandler& Help()
{
    static DialogHooks::HelpHandler handler;
    return handler;
}

DialogHooks::IconProvider& Icons()
{
    static DialogHooks::IconProvider provider;
    return provider;
}

QIcon StockIcon(int imageIndex)
{
    QStyle* style = QApplication::style();
    switch (imageIndex) {
    case ClassCode::Folder:
    case ImageIndex::OpenFolder:
    case ImageIndex::RemoteFolder:
    case ImageIndex::OpenRemoteFolder: return style->standardIcon(QStyle::SP_DirIcon);
    case ClassCode::Website: return style->standardIcon(QStyle::SP_DriveNetIcon);
    case ClassCode::Reminder:
    case ImageIndex::DueReminder: return style->standardIcon(QStyle::SP_FileDialogInfoView);
    case ImageIndex::Root: return style->standardIcon(QStyle::SP_DirHomeIcon);
    default: return style->standardIcon(QStyle::SP_FileIcon);
    }
}
} // namespace

namespace DialogHooks {

void SetHelpHandler(HelpHandler handler)
{
    Help() = std::move(handler);
}

void RequestHelp(int context)
{
    if (Help())
        Help()(context);
}

void SetIconProvider(IconProvider provider)
{
    Icons() = std::move(provider);
}

QIcon ItemIcon(int imageIndex)
{
    if (Icons()) {
        QIcon icon = Icons()(imageIndex);
        if (!icon.isNull())
            return icon;
    }
    return StockIcon(imageIndex);
}

} // namespace DialogHooks
