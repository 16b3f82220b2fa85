#pragma once

#include "ui/dialogs/TOKBottomDlg.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TFolderObject;

// "Folder": title, comment, and whether the folder is a copy of an exchange
// file on the local network or on a web server. OK stays usable for folders
// inside remote ones.
class TFolderEditDlg : public TOKBottomDlg
{
    Q_OBJECT

public:
    explicit TFolderEditDlg(QWidget* parent = nullptr);

    void SetFolder(TFolderObject& folder);
    QString Title() const;
    QString Comment() const;
    // The remote location OK stores: empty for a local folder.
    QString Location() const;

    QCheckBox* RemoteBox() const { return m_isRemote; }
    QRadioButton* LanRadio() const { return m_lan; }
    QRadioButton* InternetRadio() const { return m_internet; }
    QLineEdit* LocationEdit() const { return m_location; }
    QPushButton* BrowseButton() const { return m_browse; }

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
};
