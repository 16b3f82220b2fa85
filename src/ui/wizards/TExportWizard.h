#pragma once

#include "exchange/SubtreeWalk.h"
#include "ui/wizards/TWizardForm.h"

class DirectoryList;
class FieldChoice;
class HtmlPublishPages;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class TTreeNode;

// "Publishing Wizard": writes the selected item and everything below it as
// an exchange file, web pages, comma-separated values or, for a person or
// organization, a vCard file.
class TExportWizard : public TWizardForm
{
    Q_OBJECT

public:
    enum Format { Exchange, Html, Delimited, VCard };

    // start is the item to publish; filter is the category filter the
    // exchange and delimited exports respect.
    TExportWizard(TTreeNode* start, ItemFilter filter, QWidget* parent = nullptr);

    Format ExportType() const;
    void SetExportType(Format format);
    HtmlPublishPages& HtmlPages() const { return *m_html; }
    FieldChoice& Fields() const { return *m_fields; }
    QLineEdit* ZvdNameEdit() const { return m_zvdName; }
    QLineEdit* CsvNameEdit() const { return m_csvName; }
    QLineEdit* VcfNameEdit() const { return m_vcfName; }
    DirectoryList* ZvdDirectory() const { return m_zvdDir; }
    DirectoryList* CsvDirectory() const { return m_csvDir; }
    DirectoryList* VcfDirectory() const { return m_vcfDir; }

protected:
    void PageChange() override;
    bool Finish() override;

private:
    void BuildTypePage();
    QWidget* FilePage(const QString& defaultName, DirectoryList*& directory, QLineEdit*& name);
    void ExportTypeChange();
    bool Export();
    // False, with the message shown, when the file name lacks the extension.
    bool CheckExtension(const QString& path, const QString& extension, QLineEdit* edit);

    TTreeNode* m_start;
    ItemFilter m_filter;
    QButtonGroup* m_type = nullptr;
    HtmlPublishPages* m_html = nullptr;
    FieldChoice* m_fields = nullptr;
    DirectoryList* m_zvdDir = nullptr;
    DirectoryList* m_csvDir = nullptr;
    DirectoryList* m_vcfDir = nullptr;
    QLineEdit* m_zvdName = nullptr;
    QLineEdit* m_csvName = nullptr;
    QLineEdit* m_vcfName = nullptr;
    QCheckBox* m_fieldNames = nullptr;
};
