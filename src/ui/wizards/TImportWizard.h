#pragma once

#include "ui/wizards/TWizardForm.h"

class DirectoryList;
class FieldChoice;
class FileList;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class TItemTree;
class TTreeNode;

// "Import Wizard": brings in exchange files, Internet shortcuts, bookmark
// and address-book pages, a nicknames file, delimited text and vCards.
class TImportWizard : public TWizardForm
{
    Q_OBJECT

public:
    enum Format { Exchange, Favorites, Bookmarks, AddressBook, Nicknames, Delimited, VCard };

    // target is the node new items go below (the exchange and browser
    // imports use the root of the tree, as they always have).
    TImportWizard(TTreeNode* target, QWidget* parent = nullptr);

    Format ImportType() const;
    void SetImportType(Format format);
    FieldChoice& Fields() const { return *m_fields; }
    // The directory list and, where there is one, the file list of a format's page.
    DirectoryList* Directory(Format format) const { return m_dirs[format]; }
    FileList* Files(Format format) const { return m_files[format]; }
    QComboBox* SepCharCombo() const { return m_separator; }
    // The text the page of a browser or nicknames import shows about its file.
    QString FoundText(Format format) const;
    // How many items the last import made.
    int Imported() const { return m_imported; }

protected:
    void PageChange() override;
    bool Finish() override;

private:
    QWidget* Page(const QString& caption);
    void BuildTypePage();
    void BuildFavoritesPage();
    void BuildFilePage(Format format, const QString& sheet, const QStringList& masks, const QString& filterName);
    void BuildPageFilePage(Format format, const QString& sheet, const QString& caption, const QString& boxTitle,
                           const QString& preferred);
    void BuildNicknamesPage();
    void BuildDelimitedPages();
    void ImportTypeChange();
    void UpdateFound(Format format);
    void GuessFields(const QString& path);
    int Import();
    int ImportDelimited();

    TTreeNode* m_target;
    TItemTree& m_tree;
    QButtonGroup* m_type = nullptr;
    DirectoryList* m_dirs[7] = {};
    FileList* m_files[7] = {};
    QLabel* m_found[7] = {};
    FieldChoice* m_fields = nullptr;
    QComboBox* m_separator = nullptr;
    QComboBox* m_csvFilter = nullptr;
    QLabel* m_guessNote = nullptr;
    QString m_guessedHeader;
    int m_imported = 0;
};
