#pragma once

#include <QObject>
#include <QPointer>

class QSplitter;

// The width of a splitter's first pane (the folder tree, or the category
// list in its place) as the property "Width", for the settings entries.
class SplitterAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE SetWidth)

public:
    // Named `name` for the settings lookup; owned by the splitter.
    SplitterAdapter(QSplitter* splitter, const QString& name);

    int Width() const;
    // Widths below a usable minimum, or that leave the other pane no room, are kept within bounds.
    void SetWidth(int width);

    static constexpr int kMinimumWidth = 80;

private:
    QPointer<QSplitter> m_splitter;
};
