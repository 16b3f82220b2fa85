#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListView;
class QPushButton;
class TToolItems;

// The Options page "Tools Menu": adds, removes and edits the external tools.
// Every change acts on the tool list at once, so Cancel keeps it.
class ToolsMenuPage : public QWidget
{
    Q_OBJECT

public:
    explicit ToolsMenuPage(TToolItems& tools, QWidget* parent = nullptr);

    QListView* ToolList() const { return m_list; }
    int SelectedTool() const;
    void SelectTool(int index);

    // "New" with the file already chosen: a program file becomes a new tool,
    // selected; anything else is refused with a message. True when added.
    bool AddToolFile(const QString& path);
    // Takes the attribute fields over into the selected tool.
    void StoreAttributes();
    // The same, and the program file with its icon.
    void StoreAll();

    // Shows an error; tests replace it.
    using Message = std::function<void(const QString& caption, const QString& text)>;
    void SetMessage(Message message) { m_message = std::move(message); }

    QList<QWidget*> TabChain() const;

private:
    void NewClicked();
    void DeleteClicked();
    void ShowSelected();

    TToolItems& m_tools;
    QListView* m_list;
    QPushButton* m_new;
    QPushButton* m_delete;
    QGroupBox* m_attributes;
    QLineEdit* m_description;
    QLineEdit* m_filename;
    QLineEdit* m_arguments;
    QCheckBox* m_allowAddress;
    Message m_message;
    bool m_showing = false;
};
