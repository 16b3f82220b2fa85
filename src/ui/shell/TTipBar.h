#pragma once

#include <QStringList>
#include <QToolBar>

class QLabel;
class QToolButton;

// A bar that shows one tip at a time, with paging arrows and a bulb that
// opens the help on the tip's subject. Each line of the tip file is comma
// text: the tip, optionally followed by a help context number.
class TTipBar : public QToolBar
{
    Q_OBJECT

public:
    explicit TTipBar(QWidget* parent = nullptr);

    // The program's own tips.
    static QStringList DefaultTips();

    const QStringList& TipFile() const { return m_lines; }
    // Copies the lines and shows the first.
    void SetTipFile(const QStringList& lines);

    int TipCount() const { return static_cast<int>(m_lines.size()); }
    int Position() const { return m_position; }
    QString CurrentText() const;
    // The current tip's help context number; -1 when it has none.
    int CurrentHelpContext() const;

    // Clamped to the tips there are.
    void ShowTip(int index);
    void NextTip();
    void PreviousTip();
    // Any tip but the last, so that one is never the first shown; the only
    // tip when there is one.
    void ShowRandomTip();

    // The bulb's action: emits HelpRequested, and opens the shared help window
    // itself when nobody listens.
    void OpenTipHelp();

Q_SIGNALS:
    void HelpRequested(int context);

private:
    void UpdateControls();

    QStringList m_lines;
    int m_position = 0;
    QLabel* m_label;
    QToolButton* m_bulb;
    QToolButton* m_previous;
    QToolButton* m_next;
};
