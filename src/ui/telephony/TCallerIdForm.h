#pragma once

#include "comm/CallHistory.h"

#include <QWidget>

#include <functional>

class CallHistoryModel;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeView;
class TetLine;

// "Caller ID": while caller ID is on, watches the line, shows who calls and
// keeps the calls in a history (newest first, "callid.dat"). A number is
// looked up in the tree with "Find", dialed back with "Dial...", and an
// entry dragged onto the main window becomes an item there.
class TCallerIdForm : public QWidget
{
    Q_OBJECT

public:
    // Reads the history size from the settings file and the history from
    // its file (both relative to the data directory by default).
    explicit TCallerIdForm(const QString& profilePath, const QString& historyPath = CallHistory::DefaultFile(),
                           QWidget* parent = nullptr);
    ~TCallerIdForm() override;

    TetLine& etLine() const { return *m_line; }
    QLabel* NameLabel() const { return m_name; }
    QLabel* NumberLabel() const { return m_number; }
    QPushButton* FindBtn1() const { return m_find1; }
    QPushButton* ShowHistBtn() const { return m_showHist; }
    QPushButton* DialBtn() const { return m_dial; }
    QPushButton* DelBtn() const { return m_delete; }
    QPushButton* FindBtn2() const { return m_find2; }
    QSpinBox* NumSavedEdit() const { return m_numSaved; }
    QTreeView* HistoryView() const { return m_view; }
    CallHistoryModel& HistoryModel() const { return *m_model; }
    bool HistoryShown() const;

    // The caller-ID switch: the line on the dial settings' device, open or
    // closed. False when the line would not open (it stays closed).
    bool SetCallerId(bool on);
    bool CallerIdOn() const;
    // Lets go of the line for the dialer; the function returned takes it back.
    std::function<void()> ReleaseLine();

    // Shows the main window and selects the phone with the number; set by the window.
    using Locator = std::function<void(const QString& number)>;
    void SetLocator(Locator locator) { m_locator = std::move(locator); }
    // Where failures show; tests replace it.
    using Message = std::function<void(const QString& text)>;
    void SetMessage(Message message) { m_message = std::move(message); }

    void ShowHistBtnClick();
    void FindBtn1Click();
    void FindBtn2Click();
    void DialBtnClick();
    void DelBtnClick();
    // Writes the history and its size; reports a failure through the message.
    bool SaveHistory();

Q_SIGNALS:
    // The switch changed: the tray icon and the menu's check mark follow.
    void CallerIdSwitched(bool on);

private:
    void LineCallerId();
    void LineIdle();
    QList<int> SelectedRows() const;

    QString m_profilePath;
    QString m_historyPath;
    CallHistory m_history;
    TetLine* m_line;
    CallHistoryModel* m_model;
    QLabel* m_name;
    QLabel* m_number;
    QPushButton* m_find1;
    QPushButton* m_showHist;
    QWidget* m_historyPanel;
    QTreeView* m_view;
    QSpinBox* m_numSaved;
    QPushButton* m_dial;
    QPushButton* m_delete;
    QPushButton* m_find2;
    Locator m_locator;
    Message m_message;
    bool m_saved = false;
};
