#pragma once

#include "ui/dialogs/ContactDialogValues.h"
#include "ui/dialogs/TOKBottomDlg.h"

class QLineEdit;

// "Document": title, file name with "Browse..." and comment.
class TDocEditDlg : public TOKBottomDlg
{
    Q_OBJECT

public:
    explicit TDocEditDlg(QWidget* parent = nullptr);

    void SetDocument(TZVBObject& doc, bool isNew);
    TextPageValues Values() const;
    // A file chosen in the file dialog: its name becomes the title, its full
    // path the file name.
    void FileChosen(const QString& path);

private:
    void BrowseClicked();

    QLineEdit* m_title;
    QLineEdit* m_fileName;
    QLineEdit* m_comment;
};
