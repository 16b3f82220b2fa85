#pragma once

#include <QDialog>

class QListView;
class QPushButton;
class TToolItems;

// The tool picker "Tools": starts a tool, or hands one back to bind a new
// tool item to it.
class TToolsDlg : public QDialog
{
    Q_OBJECT

public:
    // What exec() answers after "&New Address...".
    static constexpr int NewAddress = 2;

    explicit TToolsDlg(TToolItems& tools, QWidget* parent = nullptr);

    QListView* ToolList() const { return m_list; }
    QPushButton* LaunchButton() const { return m_launch; }
    QPushButton* NewAddressButton() const { return m_newAddress; }
    QPushButton* CloseButton() const { return m_close; }

    // The selected row, or -1.
    int SelectedTool() const;
    void SelectTool(int index);

    // Runs the picker; the tool to create a tool item for when it closed
    // with "&New Address...", else -1.
    static int ChooseForNewItem(TToolItems& tools, QWidget* parent);

private:
    void UpdateButtons();
    void LaunchClicked();
    void NewAddressClicked();

    TToolItems& m_tools;
    QListView* m_list;
    QPushButton* m_launch;
    QPushButton* m_newAddress;
    QPushButton* m_close;
};
