#include "ui/wizards/HtmlPublishPages.h"

#include "exchange/HtmlColors.h"
#include "exchange/WebGraphics.h"
#include "ui/wizards/BackgroundPreview.h"
#include "ui/wizards/DirectoryList.h"
#include "ui/wizards/WizardParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QWidget* Titled(const QString& title, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* heading = new QLabel(u"<b>" + title + u"</b>", page);
    layout->addWidget(heading);
    return page;
}

QComboBox* ColorCombo(const QString& name, const QString& chosen, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (const QString& color : HtmlColors::Names()) {
        const HtmlColors::Rgb rgb = HtmlColors::ColorOf(color);
        QPixmap swatch(16, 16);
        swatch.fill(QColor(rgb.red, rgb.green, rgb.blue));
        combo->addItem(QIcon(swatch), color);
    }
    combo->setCurrentText(chosen);
    return combo;
}

QColor ColorOf(const QComboBox* combo)
{
    const HtmlColors::Rgb rgb = HtmlColors::ColorOf(combo->currentText());
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

HtmlPublishPages::HtmlPublishPages(const QString& itemName, QWidget* parent)
    : QObject(parent)
    , m_index(Titled(QStringLiteral("Index"), parent))
    , m_graphics(Titled(QStringLiteral("Graphics"), parent))
    , m_links(Titled(QStringLiteral("Downloadable Links"), parent))
    , m_output(Titled(QStringLiteral("Publish"), parent))
{
    BuildIndexPage();
    BuildGraphicsPage();
    BuildLinksPage();
    BuildOutputPage(itemName);
}

void HtmlPublishPages::BuildIndexPage()
{
    auto* layout = static_cast<QVBoxLayout*>(m_index->layout());
    layout->addWidget(WizardParts::Text(
        QStringLiteral("Choose the maximum number of levels to include in your index.  A value of zero will include "
                       "all levels."),
        m_index));
    m_levels = new QSpinBox(m_index);
    m_levels->setObjectName(QStringLiteral("LevelsEdit"));
    m_levels->setRange(0, 9);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Levels:"), m_index));
    row->addWidget(m_levels);
    row->addStretch();
    layout->addLayout(row);
    m_frames = new QCheckBox(QStringLiteral("Use Frames"), m_index);
    m_frames->setObjectName(QStringLiteral("FramesCheckBox"));
    m_frames->setChecked(true);
    layout->addWidget(m_frames);
    layout->addStretch();
}

void HtmlPublishPages::BuildGraphicsPage()
{
    auto* layout = static_cast<QVBoxLayout*>(m_graphics->layout());
    m_bkg = new QComboBox(m_graphics);
    m_bkg->setObjectName(QStringLiteral("BkgComboBox"));
    m_bkg->addItem(QStringLiteral("No background"));
    m_bkg->addItems(WebGraphics::BackgroundNames());
    m_browse = new QPushButton(QStringLiteral("Browse..."), m_graphics);
    m_browse->setObjectName(QStringLiteral("BrowseBkgButton"));
    m_textColor = ColorCombo(QStringLiteral("TextColorCombo"), QStringLiteral("Black"), m_graphics);
    m_linkColor = ColorCombo(QStringLiteral("LinkColorCombo"), QStringLiteral("Navy"), m_graphics);
    m_preview = new BackgroundPreview(m_graphics);

    auto* background = new QGroupBox(QStringLiteral("Background"), m_graphics);
    auto* backgroundRow = new QHBoxLayout(background);
    backgroundRow->addWidget(m_bkg, 1);
    backgroundRow->addWidget(m_browse);
    auto* colors = new QGroupBox(QStringLiteral("Colors"), m_graphics);
    auto* colorForm = new QFormLayout(colors);
    colorForm->addRow(QStringLiteral("Normal Text"), m_textColor);
    colorForm->addRow(QStringLiteral("Links"), m_linkColor);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(background);
    left->addWidget(colors);
    left->addStretch();
    columns->addLayout(left, 1);
    columns->addWidget(m_preview, 0, Qt::AlignTop);
    layout->addLayout(columns);
    layout->addStretch();

    connect(m_bkg, &QComboBox::activated, this, &HtmlPublishPages::ChooseBackground);
    connect(m_browse, &QPushButton::clicked, this, &HtmlPublishPages::BrowseBackground);
    connect(m_textColor, &QComboBox::currentIndexChanged, this, &HtmlPublishPages::UpdatePreview);
    connect(m_linkColor, &QComboBox::currentIndexChanged, this, &HtmlPublishPages::UpdatePreview);
    UpdatePreview();
}

void HtmlPublishPages::BuildLinksPage()
{
    auto* layout = static_cast<QVBoxLayout*>(m_links->layout());
    m_includeZvd = new QCheckBox(QStringLiteral("Include link for all contents (ZVD file)"), m_links);
    m_includeZvd->setObjectName(QStringLiteral("IncludeZVD"));
    m_includeZvd->setChecked(true);
    m_includeVCard =
        new QCheckBox(QStringLiteral("Include links for individual person/organization records (vCard file)"), m_links);
    m_includeVCard->setObjectName(QStringLiteral("IncludeVCard"));
    m_includeVCard->setChecked(true);
    layout->addWidget(m_includeZvd);
    layout->addWidget(m_includeVCard);
    layout->addStretch();
}

void HtmlPublishPages::BuildOutputPage(const QString& itemName)
{
    auto* layout = static_cast<QVBoxLayout*>(m_output->layout());
    layout->addWidget(new QLabel(QStringLiteral("Select directory:"), m_output));
    m_directory = new DirectoryList(m_output);
    m_directory->SetDirectory(QDir::homePath());
    layout->addWidget(m_directory, 1);
    m_startPage = new QLineEdit(itemName + u".htm", m_output);
    m_startPage->setObjectName(QStringLiteral("StartPageEdit"));
    m_title = new QLineEdit(itemName, m_output);
    m_title->setObjectName(QStringLiteral("TitleEdit"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name for main page file:"), m_startPage);
    form->addRow(QStringLiteral("Title of page:"), m_title);
    layout->addLayout(form);
}

HtmlPublishOptions HtmlPublishPages::Options() const
{
    HtmlPublishOptions options;
    options.levels = m_levels->value();
    options.frames = m_frames->isChecked();
    options.background = m_background;
    options.textColor = m_textColor->currentText();
    options.linkColor = m_linkColor->currentText();
    options.includeZvd = m_includeZvd->isChecked();
    options.includeVCard = m_includeVCard->isChecked();
    options.directory = m_directory->Directory();
    options.mainPage = m_startPage->text().trimmed();
    options.title = m_title->text();
    return options;
}

void HtmlPublishPages::ChooseBackground(int index)
{
    const QString file = m_bkg->itemData(index).toString();
    if (!file.isEmpty()) {
        m_background = file; // a picked file keeps its entry
        m_preview->SetPreview(QString());
        return;
    }
    const QString name = index > 0 ? m_bkg->itemText(index) : QString();
    const QString preview = WebGraphics::BackgroundPreview(name);
    m_preview->SetPreview(preview);
    m_background = m_preview->HasPicture() ? WebGraphics::BackgroundImage(name) : QString();
}

void HtmlPublishPages::SetBackgroundFile(const QString& path)
{
    int index = m_bkg->findData(path);
    if (index < 0) {
        m_bkg->addItem(QFileInfo(path).fileName(), path);
        index = m_bkg->count() - 1;
    }
    m_bkg->setCurrentIndex(index);
    ChooseBackground(index);
}

void HtmlPublishPages::BrowseBackground()
{
    const QString path = QFileDialog::getOpenFileName(m_graphics, QStringLiteral("Background"), QDir::homePath(),
                                                      QStringLiteral("GIF Images (*.gif);;JPEG Images (*.jpg)"));
    if (!path.isEmpty() && QFileInfo(path).isFile())
        SetBackgroundFile(path);
}

void HtmlPublishPages::UpdatePreview()
{
    m_preview->SetColors(ColorOf(m_textColor), ColorOf(m_linkColor));
}
