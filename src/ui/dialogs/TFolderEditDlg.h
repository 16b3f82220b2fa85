#pragma once

#include "ui/dialogs/TOKBottomDlg.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TFolderObject;

// "Folder": title, comment, and whether the folder is a read-only copy of an
// exchange file on the local network or on a web server, or stays in step
// with a CardDAV address book both ways. OK stays usable for folders
// inside remote ones.
class TFolderEditDlg : public TOKBottomDlg
{
    Q_OBJECT

public:
    explicit TFolderEditDlg(QWidget* parent = nullptr);

    void SetFolder(TFolderObject& folder);
    QString Title() const;
    QString Comment() const;
    // The remote location OK stores: empty for a local folder and for one
    // bound to an address book.
    QString Location() const;
    // The folder stays in step with a CardDAV address book.
    bool IsCardDav() const;
    QString CardDavUrl() const;
    QString CardDavUser() const;
    QString CardDavPassword() const;

    QCheckBox* RemoteBox() const { return m_isRemote; }
    QRadioButton* LanRadio() const { return m_lan; }
    QRadioButton* InternetRadio() const { return m_internet; }
    QLineEdit* LocationEdit() const { return m_location; }
    QPushButton* BrowseButton() const { return m_browse; }
    QRadioButton* SourceRadio() const { return m_source; }
    QRadioButton* CardDavRadio() const { return m_cardDav; }
    QLineEdit* CardDavUrlEdit() const { return m_davUrl; }
    QLineEdit* CardDavUserEdit() const { return m_davUser; }
    QLineEdit* CardDavPasswordEdit() const { return m_davPassword; }

private:
    void UpdateRemoteControls();
    void InternetChosen();
    void LanChosen();
    void BrowseClicked();

    QLineEdit* m_title;
    QLineEdit* m_comment;
    QCheckBox* m_isRemote;
    QRadioButton* m_lan;
    QRadioButton* m_internet;
    QLineEdit* m_location;
    QPushButton* m_browse;
    QRadioButton* m_source;
    QRadioButton* m_cardDav;
    QLineEdit* m_davUrl;
    QLineEdit* m_davUser;
    QLineEdit* m_davPassword;
    QWidget* m_sourceBox;
    QWidget* m_davBox;
};
