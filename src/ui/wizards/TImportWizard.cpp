#include "ui/wizards/TImportWizard.h"

#include "exchange/ContactsHeader.h"
#include "exchange/CsvImport.h"
#include "exchange/DelimitedRecordReader.h"
#include "exchange/ExchangeFile.h"
#include "exchange/FavoritesImport.h"
#include "exchange/ImportFile.h"
#include "exchange/NetscapeImport.h"
#include "exchange/NetscapePage.h"
#include "exchange/NicknamesImport.h"
#include "exchange/RecordTypes.h"
#include "exchange/VCardImport.h"
#include "model/Exceptions.h"
#include "model/TreeNode.h"
#include "ui/dialogs/TVCImportDlg.h"
#include "ui/wizards/DirectoryList.h"
#include "ui/wizards/FieldChoice.h"
#include "ui/wizards/FileList.h"
#include "ui/wizards/WizardParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNoneFound = QStringLiteral("None Found");
const QString kNicknamesFile = QStringLiteral("nndbase.txt");
// The head of a page is enough to find its title.
constexpr qint64 kTitleBytes = 64 * 1024;

const char16_t* const kSheetOf[] = {u"TabSheet3", u"TabSheet2", u"TabSheet4", u"TabSheet5",
                                    u"TabSheet6", u"TabSheet8", u"TabSheet9"};

QString PageTitle(const QString& path)
{
    try {
        return ParseBookmarkPage(ReadImportFileHead(path, kTitleBytes)).title;
    } catch (const EZendrivoError&) {
        return QString();
    }
}

} // namespace

TImportWizard::TImportWizard(TTreeNode* target, QWidget* parent)
    : TWizardForm(parent), m_target(target), m_tree(*target->Tree())
{
    setWindowTitle(QStringLiteral("Import Wizard"));
    setObjectName(QStringLiteral("ImportWizard"));
    BuildTypePage();
    BuildFavoritesPage();
    BuildFilePage(Exchange, QStringLiteral("TabSheet3"), {QStringLiteral("*.zvd")}, QStringLiteral("Zendrivo File"));
    BuildPageFilePage(Bookmarks, QStringLiteral("TabSheet4"), QStringLiteral("Bookmarks page (Firefox, Chromium export)"),
                      QStringLiteral("Bookmark File"), QStringLiteral("bookmark.htm"));
    BuildPageFilePage(AddressBook, QStringLiteral("TabSheet5"), QStringLiteral("Address book page"),
                      QStringLiteral("Address File"), QStringLiteral("address.htm"));
    BuildNicknamesPage();
    BuildDelimitedPages();
    BuildFilePage(VCard, QStringLiteral("TabSheet9"), {QStringLiteral("*.vcf")}, QStringLiteral("vCard File"));
    connect(m_type, &QButtonGroup::idClicked, this, &TImportWizard::ImportTypeChange);
    ImportTypeChange();
    resize(560, 460);
}

QWidget* TImportWizard::Page(const QString& caption)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    if (!caption.isEmpty())
        layout->addWidget(new QLabel(caption, page));
    return page;
}

void TImportWizard::BuildTypePage()
{
    QWidget* page = Page(QString());
    page->layout()->addWidget(WizardParts::Text(
        QStringLiteral("You can import bookmarks, e-mail addresses, and contacts from several different sources."), page));
    m_type = WizardParts::Choices(
        {QStringLiteral("Zendrivo File (*.ZVD)"), QStringLiteral("Microsoft Internet Explorer Favorites (*.URL)"),
         QStringLiteral("Netscape Bookmarks"), QStringLiteral("Netscape Address Book"),
         QStringLiteral("Eudora Nicknames File"), QStringLiteral("Comma or Tab-Delimited Text"),
         QStringLiteral("vCard File (*.VCF)")},
        page, QStringLiteral("ImportType"));
    static_cast<QVBoxLayout*>(page->layout())->addStretch();
    AddSheet(page, QStringLiteral("TabSheet1"));
}

void TImportWizard::BuildFavoritesPage()
{
    QWidget* page = Page(QStringLiteral("Select Directory to  Import:"));
    m_dirs[Favorites] = new DirectoryList(page);
    m_dirs[Favorites]->SetDirectory(DefaultFavoritesDirectory());
    page->layout()->addWidget(m_dirs[Favorites]);
    page->layout()->addWidget(new QLabel(QStringLiteral("The imported URL's will be added to:"), page));
    QLabel* path = WizardParts::Data(WizardParts::NodePath(m_target), page);
    path->setObjectName(QStringLiteral("TargetPath"));
    page->layout()->addWidget(path);
    AddSheet(page, QStringLiteral("TabSheet2"));
}

void TImportWizard::BuildFilePage(Format format, const QString& sheet, const QStringList& masks,
                                  const QString& filterName)
{
    QWidget* page = Page(QStringLiteral("Select File to Import"));
    auto* lists = new QHBoxLayout;
    m_dirs[format] = new DirectoryList(page);
    m_files[format] = new FileList(page);
    m_files[format]->SetMasks(masks);
    lists->addWidget(m_dirs[format], 1);
    lists->addWidget(m_files[format], 1);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(lists, 1);
    auto* filter = new QComboBox(page);
    filter->setObjectName(QStringLiteral("FilterComboBox"));
    filter->addItem(filterName + u" (" + masks.join(u' ') + u')');
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("List files of type:"), filter);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(form);
    connect(m_dirs[format], &DirectoryList::DirectoryChanged, m_files[format], &FileList::SetDirectory);
    m_files[format]->SetDirectory(m_dirs[format]->Directory());
    AddSheet(page, sheet);
}

// A browser page import: the folder, its pages, and a box with the chosen
// page's title. The file the program has always looked for is chosen first.
void TImportWizard::BuildPageFilePage(Format format, const QString& sheet, const QString& caption,
                                      const QString& boxTitle, const QString& preferred)
{
    BuildFilePage(format, sheet, {QStringLiteral("*.htm"), QStringLiteral("*.html")}, caption);
    QWidget* page = Sheet(sheet);
    static_cast<QLabel*>(page->layout()->itemAt(0)->widget())->setText(caption);
    auto* box = new QGroupBox(boxTitle, page);
    m_found[format] = WizardParts::Data(kNoneFound, box);
    m_found[format]->setObjectName(QStringLiteral("FoundLabel"));
    (new QVBoxLayout(box))->addWidget(m_found[format]);
    page->layout()->addWidget(box);
    FileList* files = m_files[format];
    const auto preferFile = [files, preferred] {
        const QList<QListWidgetItem*> match = files->findItems(preferred, Qt::MatchFixedString);
        if (!match.isEmpty())
            files->setCurrentItem(match.first());
    };
    connect(m_dirs[format], &DirectoryList::DirectoryChanged, this, preferFile);
    connect(files, &FileList::FileChanged, this, [this, format] { UpdateFound(format); });
    preferFile();
    UpdateFound(format);
}

void TImportWizard::BuildNicknamesPage()
{
    QWidget* page = Page(QStringLiteral("Select directory:"));
    m_dirs[Nicknames] = new DirectoryList(page);
    page->layout()->addWidget(m_dirs[Nicknames]);
    auto* box = new QGroupBox(QStringLiteral("Address File"), page);
    m_found[Nicknames] = WizardParts::Data(kNoneFound, box);
    m_found[Nicknames]->setObjectName(QStringLiteral("FoundLabel"));
    (new QVBoxLayout(box))->addWidget(m_found[Nicknames]);
    page->layout()->addWidget(box);
    connect(m_dirs[Nicknames], &DirectoryList::DirectoryChanged, this, [this] { UpdateFound(Nicknames); });
    UpdateFound(Nicknames);
    AddSheet(page, QStringLiteral("TabSheet6"));
}

void TImportWizard::BuildDelimitedPages()
{
    QWidget* fieldsPage = Page(QString());
    m_fields = new FieldChoice(QStringLiteral("Import records of type:"), QStringLiteral("Fields to Import (in order)"),
                               fieldsPage);
    fieldsPage->layout()->addWidget(m_fields);
    connect(m_fields, &FieldChoice::ChosenChanged, this, &TImportWizard::PageChange);
    // The fields come before the file, as they always have.
    AddSheet(fieldsPage, QStringLiteral("TabSheet8"));

    BuildFilePage(Delimited, QStringLiteral("TabSheet7"), {QStringLiteral("*.CSV")}, QStringLiteral("Comma Separated"));
    QWidget* filePage = Sheet(QStringLiteral("TabSheet7"));
    m_csvFilter = filePage->findChild<QComboBox*>(QStringLiteral("FilterComboBox"));
    m_csvFilter->clear();
    m_csvFilter->addItems({QStringLiteral("Comma Separated (*.CSV)"), QStringLiteral("Text Files (*.TXT)"),
                           QStringLiteral("All Files (*.*)")});
    connect(m_csvFilter, &QComboBox::currentIndexChanged, this, [this](int index) {
        static const QStringList masks[] = {{QStringLiteral("*.CSV")}, {QStringLiteral("*.TXT")}, {QStringLiteral("*")}};
        m_files[Delimited]->SetMasks(masks[qBound(0, index, 2)]);
    });
    m_separator = new QComboBox(filePage);
    m_separator->setObjectName(QStringLiteral("SepCharCombo"));
    m_separator->addItems({QStringLiteral("Comma"), QStringLiteral("Tab")});
    static_cast<QFormLayout*>(filePage->layout()->itemAt(2)->layout())
        ->addRow(QStringLiteral("Field Separator"), m_separator);
    m_guessNote = WizardParts::Text(QString(), filePage);
    m_guessNote->setObjectName(QStringLiteral("HeaderNote"));
    filePage->layout()->addWidget(m_guessNote);
    connect(m_files[Delimited], &FileList::FileChanged, this, &TImportWizard::GuessFields);
}

TImportWizard::Format TImportWizard::ImportType() const
{
    return static_cast<Format>(qMax(0, m_type->checkedId()));
}

void TImportWizard::SetImportType(Format format)
{
    m_type->button(format)->setChecked(true);
    ImportTypeChange();
}

void TImportWizard::ImportTypeChange()
{
    QStringList keep{QStringLiteral("TabSheet1"), QString::fromUtf16(kSheetOf[ImportType()])};
    if (ImportType() == Delimited)
        keep.append(QStringLiteral("TabSheet7"));
    KeepSheets(keep);
    PageChange();
}

void TImportWizard::PageChange()
{
    TWizardForm::PageChange();
    if (CurrentSheet() == u"TabSheet8")
        NextButton()->setEnabled(!m_fields->ChosenFields().isEmpty());
}

QString TImportWizard::FoundText(Format format) const
{
    return m_found[format] ? m_found[format]->text() : QString();
}

void TImportWizard::UpdateFound(Format format)
{
    if (format == Nicknames) {
        const bool found = QFileInfo(QDir(m_dirs[Nicknames]->Directory()).filePath(kNicknamesFile)).isFile();
        m_found[Nicknames]->setText(found ? QStringLiteral("Found Eudora Address File in this directory") : kNoneFound);
        return;
    }
    const QString file = m_files[format]->SelectedFile();
    if (file.isEmpty()) {
        m_found[format]->setText(kNoneFound);
        return;
    }
    const QString title = PageTitle(file);
    m_found[format]->setText(title.isEmpty() ? QFileInfo(file).fileName() : title);
}

void TImportWizard::GuessFields(const QString& path)
{
    m_guessedHeader.clear();
    m_guessNote->clear();
    if (path.isEmpty())
        return;
    QString header;
    try {
        header = DelimitedRecordReader::FirstLine(ReadImportFileHead(path, 64 * 1024));
    } catch (const EZendrivoError&) {
        return;
    }
    const ContactsHeader::Guess guess = ContactsHeader::Recognise(header, m_fields->Type().fields);
    if (guess.source.isEmpty())
        return;
    m_fields->SetChosenFields(guess.fields);
    m_guessedHeader = header;
    m_guessNote->setText(QStringLiteral("This file holds a %1 export. \"Fields to Import\" now follows its columns, "
                                        "and its first line of column names will not become an item. Go back to "
                                        "change the fields.")
                             .arg(guess.source));
}

bool TImportWizard::Finish()
{
    m_imported = 0;
    {
        WizardParts::BusyCursor busy;
        try {
            m_imported = Import();
        } catch (const EZendrivoError& e) {
            WizardParts::ShowError(this, e.Message());
        }
    }
    // The wizard closes after an import whether or not it succeeded.
    return true;
}

int TImportWizard::Import()
{
    const Format format = ImportType();
    const QString chosen = m_files[format] ? m_files[format]->SelectedFile() : QString();
    switch (format) {
        case Exchange: return chosen.isEmpty() ? 0 : qMax(0, ExchangeFile::ImportExchangeFile(m_tree, chosen));
        case Favorites: return ImportFavorites(m_target, m_dirs[Favorites]->Directory()).count;
        case Bookmarks: return chosen.isEmpty() ? 0 : ImportNSBook(m_tree, chosen).count;
        case AddressBook: return chosen.isEmpty() ? 0 : ImportNSAddr(m_tree, chosen).count;
        case Nicknames: {
            const QString path = QDir(m_dirs[Nicknames]->Directory()).filePath(kNicknamesFile);
            return QFileInfo(path).isFile() ? ImportEudora(m_tree, path).count : 0;
        }
        case Delimited: return ImportDelimited();
        case VCard:
            if (chosen.isEmpty())
                return 0;
            return VCardImport::ImportFile(chosen, m_target,
                                           [this](const TCard& card) { return TVCImportDlg::AskAsOrganization(card, this); });
    }
    return 0;
}

int TImportWizard::ImportDelimited()
{
    const QString path = m_files[Delimited]->SelectedFile();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return 0;
    const auto separator =
        m_separator->currentIndex() == 1 ? CsvImport::Separator::Tab : CsvImport::Separator::Comma;
    // A recognised address-book header names the columns; it is no contact.
    return qMax(0, CsvImport::ImportCSV(m_target, path, m_fields->Type().classCode, m_fields->ChosenFields(),
                                        separator, m_guessedHeader));
}
