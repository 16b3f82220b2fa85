#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// The 137 by 129 pixel sample of a published page: the background's
// preview with "Sample Text" in the text colour and an underlined
// "Sample Link" in the link colour.
class BackgroundPreview : public QWidget
{
    Q_OBJECT

public:
    explicit BackgroundPreview(QWidget* parent = nullptr);

    // An empty path or a missing file shows no picture.
    void SetPreview(const QString& path);
    void SetColors(const QColor& text, const QColor& link);
    bool HasPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QColor m_text = Qt::black;
    QColor m_link = QColor(0, 0, 128);
};
