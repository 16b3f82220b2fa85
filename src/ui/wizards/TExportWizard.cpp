#include "ui/wizards/TExportWizard.h"

#include "exchange/DelimitedExport.h"
#include "exchange/ExchangeFile.h"
#include "exchange/HtmlPublisher.h"
#include "exchange/RecordTypes.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "ui/wizards/DirectoryList.h"
#include "ui/wizards/FieldChoice.h"
#include "ui/wizards/HtmlPublishPages.h"
#include "ui/wizards/WizardParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList kSheetsOf[] = {
    {QStringLiteral("TabSheet2")},
    {QStringLiteral("TabSheet3"), QStringLiteral("TabSheet4"), QStringLiteral("TabSheet5"), QStringLiteral("TabSheet6")},
    {QStringLiteral("TabSheet7"), QStringLiteral("TabSheet8")},
    {QStringLiteral("TabSheet9")},
};

} // namespace

TExportWizard::TExportWizard(TTreeNode* start, ItemFilter filter, QWidget* parent)
    : TWizardForm(parent), m_start(start), m_filter(std::move(filter))
{
    setWindowTitle(QStringLiteral("Publishing Wizard"));
    setObjectName(QStringLiteral("ExportWizard"));
    const QString name = m_start->Item()->Title();
    BuildTypePage();
    AddSheet(FilePage(name + u".zvd", m_zvdDir, m_zvdName), QStringLiteral("TabSheet2"));
    m_html = new HtmlPublishPages(name, this);
    AddSheet(m_html->IndexPage(), QStringLiteral("TabSheet3"));
    AddSheet(m_html->GraphicsPage(), QStringLiteral("TabSheet4"));
    AddSheet(m_html->LinksPage(), QStringLiteral("TabSheet5"));
    AddSheet(m_html->OutputPage(), QStringLiteral("TabSheet6"));

    auto* fieldsPage = new QWidget(this);
    m_fields = new FieldChoice(QStringLiteral("Export records of type:"), QStringLiteral("Fields to Export (in order)"),
                               fieldsPage);
    (new QVBoxLayout(fieldsPage))->addWidget(m_fields);
    AddSheet(fieldsPage, QStringLiteral("TabSheet7"));
    QWidget* csvPage = FilePage(name + u".csv", m_csvDir, m_csvName);
    m_fieldNames = new QCheckBox(QStringLiteral("Include field names as first line"), csvPage);
    m_fieldNames->setObjectName(QStringLiteral("FieldNamesCheck"));
    m_fieldNames->setChecked(true);
    csvPage->layout()->addWidget(m_fieldNames);
    AddSheet(csvPage, QStringLiteral("TabSheet8"));
    AddSheet(FilePage(name + u".vcf", m_vcfDir, m_vcfName), QStringLiteral("TabSheet9"));

    connect(m_type, &QButtonGroup::idClicked, this, &TExportWizard::ExportTypeChange);
    connect(m_fields, &FieldChoice::ChosenChanged, this, &TExportWizard::PageChange);
    ExportTypeChange();
    resize(560, 440);
}

void TExportWizard::BuildTypePage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(WizardParts::Text(
        QStringLiteral("You can publish any portion of your database to any of the standard file types listed below."),
        page));
    layout->addWidget(WizardParts::Text(QStringLiteral("This Wizard will export all items and sub-items of:"), page));
    QLabel* path = WizardParts::Data(WizardParts::NodePath(m_start), page);
    path->setObjectName(QStringLiteral("StartPath"));
    QFont bold = path->font();
    bold.setBold(true);
    path->setFont(bold);
    layout->addWidget(path);
    layout->addWidget(WizardParts::Text(
        QStringLiteral("Choose a file type below, and click the \"Next >>\" button to begin the export process."), page));
    m_type = WizardParts::Choices({QStringLiteral("Zendrivo File (.ZVD)"), QStringLiteral("HTML File (.HTM)"),
                                   QStringLiteral("Comma-separated Values (.CSV)"), QStringLiteral("vCard File (.VCF)")},
                                  page, QStringLiteral("ExportType"));
    layout->addStretch();
    AddSheet(page, QStringLiteral("TabSheet1"));
}

QWidget* TExportWizard::FilePage(const QString& defaultName, DirectoryList*& directory, QLineEdit*& name)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Select directory:"), page));
    directory = new DirectoryList(page);
    directory->SetDirectory(QDir::homePath());
    layout->addWidget(directory, 1);
    name = new QLineEdit(defaultName, page);
    name->setObjectName(QStringLiteral("FilenameEdit"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Filename"), name);
    layout->addLayout(form);
    return page;
}

TExportWizard::Format TExportWizard::ExportType() const
{
    return static_cast<Format>(qMax(0, m_type->checkedId()));
}

void TExportWizard::SetExportType(Format format)
{
    m_type->button(format)->setChecked(true);
    ExportTypeChange();
}

void TExportWizard::ExportTypeChange()
{
    const int code = m_start->Item()->ClassCode();
    if (ExportType() == VCard && code != ClassCode::Person && code != ClassCode::Organization) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("vCard publishing is only supported for Person and Organization items."));
        m_type->button(Exchange)->setChecked(true);
    }
    KeepSheets(QStringList{QStringLiteral("TabSheet1")} + kSheetsOf[ExportType()]);
    PageChange();
}

void TExportWizard::PageChange()
{
    TWizardForm::PageChange();
    if (CurrentSheet() == u"TabSheet7")
        NextButton()->setEnabled(!m_fields->ChosenFields().isEmpty());
}

bool TExportWizard::CheckExtension(const QString& path, const QString& extension, QLineEdit* edit)
{
    if (ExchangeFile::FileExtension(path).compare(extension, Qt::CaseInsensitive) == 0)
        return true;
    QMessageBox::critical(this, QStringLiteral("Check Filename"),
                          QStringLiteral("The exported filename needs to have an extension of \"%1\"").arg(extension));
    edit->setFocus();
    return false;
}

bool TExportWizard::Finish()
{
    WizardParts::BusyCursor busy;
    try {
        return Export();
    } catch (const EZendrivoError& e) {
        WizardParts::ShowError(this, e.Message());
    }
    return false;
}

bool TExportWizard::Export()
{
    switch (ExportType()) {
        case Exchange: {
            const QString path = WizardParts::JoinPath(m_zvdDir->Directory(), m_zvdName->text().trimmed());
            if (!CheckExtension(path, QStringLiteral(".zvd"), m_zvdName))
                return false;
            ExchangeFile::ExportSubtree(*m_start, path, m_filter);
            return true;
        }
        case Html: {
            HtmlPublishOptions options = m_html->Options();
            options.filter = m_filter;
            const QString problem = HtmlPublisher::Problem(options);
            if (!problem.isEmpty()) {
                QMessageBox::warning(this, windowTitle(), problem);
                return false;
            }
            HtmlPublisher::Publish(*m_start, options);
            return true;
        }
        case Delimited: {
            DelimitedLayout layout;
            layout.classCode = m_fields->Type().classCode;
            layout.fields = m_fields->ChosenFields();
            layout.fieldNamesFirst = m_fieldNames->isChecked();
            const QString path = WizardParts::JoinPath(m_csvDir->Directory(), m_csvName->text().trimmed());
            DelimitedExport::ExportSubtree(*m_start, path, layout, m_filter);
            return true;
        }
        case VCard: {
            const QString path = WizardParts::JoinPath(m_vcfDir->Directory(), m_vcfName->text().trimmed());
            if (!CheckExtension(path, QStringLiteral(".vcf"), m_vcfName))
                return false;
            m_start->Item()->WriteVCard(path);
            return true;
        }
    }
    return false;
}
