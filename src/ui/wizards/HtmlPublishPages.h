#pragma once

#include "exchange/HtmlPublishOptions.h"

#include <QObject>

class BackgroundPreview;
class DirectoryList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

// The four pages of web publishing: "Index", "Graphics", "Downloadable
// Links" and the output page, and the options they stand for.
class HtmlPublishPages : public QObject
{
    Q_OBJECT

public:
    // itemName gives the default main page file and page title.
    HtmlPublishPages(const QString& itemName, QWidget* parent);

    QWidget* IndexPage() const { return m_index; }
    QWidget* GraphicsPage() const { return m_graphics; }
    QWidget* LinksPage() const { return m_links; }
    QWidget* OutputPage() const { return m_output; }

    HtmlPublishOptions Options() const;
    // Chooses a named background, "No background", or an image file.
    void ChooseBackground(int index);
    void SetBackgroundFile(const QString& path);
    QString Background() const { return m_background; }
    BackgroundPreview* Preview() const { return m_preview; }
    QComboBox* BkgComboBox() const { return m_bkg; }
    QComboBox* TextColorCombo() const { return m_textColor; }
    QComboBox* LinkColorCombo() const { return m_linkColor; }
    QLineEdit* StartPageEdit() const { return m_startPage; }

private:
    void BuildIndexPage();
    void BuildGraphicsPage();
    void BuildLinksPage();
    void BuildOutputPage(const QString& itemName);
    void UpdatePreview();
    void BrowseBackground();

    QWidget* m_index;
    QWidget* m_graphics;
    QWidget* m_links;
    QWidget* m_output;
    QSpinBox* m_levels = nullptr;
    QCheckBox* m_frames = nullptr;
    QComboBox* m_bkg = nullptr;
    QPushButton* m_browse = nullptr;
    QComboBox* m_textColor = nullptr;
    QComboBox* m_linkColor = nullptr;
    BackgroundPreview* m_preview = nullptr;
    QCheckBox* m_includeZvd = nullptr;
    QCheckBox* m_includeVCard = nullptr;
    DirectoryList* m_directory = nullptr;
    QLineEdit* m_startPage = nullptr;
    QLineEdit* m_title = nullptr;
    QString m_background;
};
