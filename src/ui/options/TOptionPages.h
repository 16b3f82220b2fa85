#pragma once

#include "ui/options/OptionSettings.h"

#include <QDialog>

#include <functional>

class BrowserMailPage;
class CategoriesPage;
class PhoneDevicePage;
class TDialPhoneDialog;
class QPushButton;
class QTabWidget;
class TToolItems;
class ToolsMenuPage;

// The Options dialog: browser and mail, the tools, the category names, the
// phone device. OK
// writes every key it shows to the settings file and announces what changed;
// Cancel writes nothing (tool changes act on the tool list at once and are
// saved with it at the end of the program).
class TOptionPages : public QDialog
{
    Q_OBJECT

public:
    // Reads the settings from the file at profilePath. Empty category names
    // are read from the file too; the main window passes its filter list's.
    TOptionPages(const QString& profilePath, TToolItems& tools, const QStringList& categoryNames = {},
                 QWidget* parent = nullptr);

    QTabWidget* Pages() const { return m_pages; }
    BrowserMailPage* BrowserMail() const { return m_browserMail; }
    ToolsMenuPage* ToolsMenu() const { return m_toolsMenu; }
    CategoriesPage* Categories() const { return m_categories; }
    PhoneDevicePage* PhoneDevice() const { return m_phoneDevice; }
    TDialPhoneDialog& DialPhoneDialog() const { return *m_dialPhone; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

    // What the dialog shows now, as OK would write it.
    OptionSettings Values() const;

    // Shows an error; tests replace it.
    using Message = std::function<void(const QString& caption, const QString& text)>;
    void SetMessage(Message message);

    void accept() override;
    void done(int result) override;

Q_SIGNALS:
    // After OK, in this order.
    void BrowserLinkChanged(const QString& ddeName, const QString& program);
    void CategoryNamesChanged(const QStringList& names);
    void CallerIdSwitched(bool on);
    // After OK or Cancel, when the tools changed while the dialog was open.
    void ToolsChanged();

private:
    QString m_profilePath;
    OptionSettings m_settings;
    QTabWidget* m_pages;
    BrowserMailPage* m_browserMail;
    ToolsMenuPage* m_toolsMenu;
    CategoriesPage* m_categories;
    TDialPhoneDialog* m_dialPhone;
    PhoneDevicePage* m_phoneDevice;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    Message m_message;
    bool m_toolsChanged = false;
};
