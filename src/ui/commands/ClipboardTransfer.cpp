#include "ui/commands/ClipboardTransfer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace ClipboardTransfer {

void Put(const QString& records, const QString& plainText)
{
    if (records.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRecordsMimeType), records.toUtf8());
    data->setText(plainText);
    QGuiApplication::clipboard()->setMimeData(data);
}

QString Records(const QMimeData* data)
{
    if (!data || !data->hasFormat(QString::fromLatin1(kRecordsMimeType)))
        return QString();
    return QString::fromUtf8(data->data(QString::fromLatin1(kRecordsMimeType)));
}

QString Records()
{
    return Records(QGuiApplication::clipboard()->mimeData());
}

} // namespace ClipboardTransfer
