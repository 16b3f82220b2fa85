#pragma once

#include <QDateTime>
#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class TDialSettings;
class TetLine;

// "Dial Phone": dials one number on the line of the dial settings, then
// leaves the call to the handset on "Talk" and counts its duration until
// "Hangup". "Redial" dials again, as long distance when the box says so.
class TDialerForm : public QDialog
{
    Q_OBJECT

public:
    TDialerForm(const TDialSettings& settings, QWidget* parent = nullptr);
    ~TDialerForm() override;

    // Shows the name and number and builds the dial string; the line opens
    // and dials once the window shows.
    void Start(const QString& recipient, const QString& number);

    TetLine& Line() const { return *m_line; }
    QString DialString() const { return m_dialString; }
    QLabel* NameLabel() const { return m_name; }
    QLabel* NumberLabel() const { return m_number; }
    QLabel* DurationLabel() const { return m_duration; }
    QCheckBox* LongDistanceCheck() const { return m_longDistance; }
    QPushButton* TalkButton() const { return m_talk; }
    QPushButton* HangupButton() const { return m_hangup; }
    QPushButton* RedialButton() const { return m_redial; }
    QString StatusText() const;

    void TalkClick();
    void HangupClick();
    void RedialClick();
    // Opens the line and dials; done by the first showing.
    void OpenAndDial();

    // The error box; tests replace it.
    using Message = std::function<void(const QString& text)>;
    void SetMessage(Message message) { m_message = std::move(message); }
    static QString ErrorText(const QString& lineError);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LineError();
    void LineIdle();
    void Tick();
    void DialNow();

    const TDialSettings& m_settings;
    TetLine* m_line;
    QLabel* m_name;
    QLabel* m_number;
    QLabel* m_duration;
    QCheckBox* m_longDistance;
    QPushButton* m_talk;
    QPushButton* m_hangup;
    QPushButton* m_redial;
    QStatusBar* m_status;
    QTimer* m_timer;
    QString m_dialString;
    QString m_reduced;
    QDateTime m_start;
    QDateTime m_hangupTime;
    bool m_started = false;
    bool m_redialPending = false;
    Message m_message;
};
