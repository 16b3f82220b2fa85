#include "ui/wizards/BackgroundPreview.h"

#include <QFileInfo>
#include <QPainter>

BackgroundPreview::BackgroundPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PreviewBox"));
    setFixedSize(137, 129);
}

void BackgroundPreview::SetPreview(const QString& path)
{
    m_picture = QFileInfo(path).isFile() ? QPixmap(path) : QPixmap();
    update();
}

void BackgroundPreview::SetColors(const QColor& text, const QColor& link)
{
    m_text = text;
    m_link = link;
    update();
}

void BackgroundPreview::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
    QFont font = painter.font();
    font.setPointSize(12);
    painter.setFont(font);
    painter.setPen(m_text);
    painter.drawText(QPoint(10, 5 + painter.fontMetrics().ascent()), QStringLiteral("Sample Text"));
    font.setPointSize(10);
    font.setUnderline(true);
    painter.setFont(font);
    painter.setPen(m_link);
    painter.drawText(QPoint(20, 40 + painter.fontMetrics().ascent()), QStringLiteral("Sample Link"));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
