#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

// The progress window "Progress": an action line, a bar, a percentage and a
// result line, for searches and long reports. It repaints at most every 50 ms
// so that a long walk does not spend its time painting.
class TProgressForm : public QWidget
{
    Q_OBJECT

public:
    explicit TProgressForm(QWidget* parent = nullptr);

    void SetMaximum(int maximum);
    void SetPosition(int position);
    void SetActionText(const QString& text);
    void SetResultText(const QString& text);
    QString PercentText() const;

private:
    void RepaintSoon(bool force = false);

    QLabel* m_action;
    QProgressBar* m_bar;
    QLabel* m_percent;
    QLabel* m_result;
    QElapsedTimer m_sinceRepaint;
};
