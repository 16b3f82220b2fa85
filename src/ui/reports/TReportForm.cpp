#include "ui/reports/TReportForm.h"

#include "ui/common/TProgressForm.h"
#include "ui/help/HelpTopics.h"
#include "ui/help/THelpBrowser.h"
#include "ui/reports/InchEdit.h"
#include "ui/reports/TNewLabelForm.h"

#include "reports/BandedReport.h"
#include "reports/Delivery.h"
#include "reports/LabelTypeStore.h"
#include "reports/ReportPainter.h"
#include "reports/ReturnAddress.h"
#include "reports/SheetTemplates.h"

#include "model/ItemTree.h"
#include "platform/ProfileFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QApplication>
#include <QGridLayout>
#include <QPainter>

#include <utility>

namespace {

// The one shared font dialog: the chosen font goes onto the sample.
QWidget* FontRow(QLabel*& sample, const QString& sampleName, const QFont& initial, QWidget* parent)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    sample = new QLabel(QStringLiteral("AaBbYyZz"));
    sample->setObjectName(sampleName);
    sample->setFont(initial);
    sample->setFrameShape(QFrame::StyledPanel);
    sample->setMinimumWidth(140);
    auto* select = new QPushButton(QStringLiteral("Select..."));
    select->setObjectName(sampleName + u"Select");
    QLabel* target = sample;
    QObject::connect(select, &QPushButton::clicked, parent, [target, parent] {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, target->font(), parent, QStringLiteral("Font"));
        if (ok)
            target->setFont(font);
    });
    layout->addWidget(sample, 1);
    layout->addWidget(select);
    return row;
}

QPlainTextEdit* Memo(const QString& name, const QFont& font)
{
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(name);
    memo->setFont(font);
    memo->setTabChangesFocus(true);
    memo->setMinimumHeight(90);
    return memo;
}

// The rows every tabular sheet has: orientation, margins in tenths of an
// inch and the type face; the title row only where the sheet has one.
struct SheetNames
{
    QString title, portrait, landscape, orientation, top, bottom, left, sample;
};

void AddSheetRows(QFormLayout* form, TReportForm* dialog, QLineEdit** title, QRadioButton*& portrait,
                  QRadioButton*& landscape, InchEdit*& top, InchEdit*& bottom, InchEdit*& left, QLabel*& sample,
                  const SheetNames& names, const QString& titleText, const QFont& font)
{
    if (title) {
        *title = new QLineEdit(titleText);
        (*title)->setObjectName(names.title);
        form->addRow(QStringLiteral("Report &Title:"), *title);
    }
    auto* orientation = new QGroupBox(QStringLiteral("Orientation"));
    orientation->setObjectName(names.orientation);
    auto* row = new QHBoxLayout(orientation);
    portrait = new QRadioButton(QStringLiteral("&Portrait"));
    portrait->setObjectName(names.portrait);
    landscape = new QRadioButton(QStringLiteral("&Landscape"));
    landscape->setObjectName(names.landscape);
    portrait->setChecked(true);
    row->addWidget(portrait);
    row->addWidget(landscape);
    row->addStretch(1);
    form->addRow(orientation);
    top = new InchEdit(names.top, 1, 5.0);
    top->SetUnits(5);
    bottom = new InchEdit(names.bottom, 1, 5.0);
    bottom->SetUnits(5);
    left = new InchEdit(names.left, 1, 5.0);
    left->SetUnits(0);
    form->addRow(QStringLiteral("T&op Margin:"), top);
    form->addRow(QStringLiteral("&Bottom Margin:"), bottom);
    form->addRow(QStringLiteral("L&eft Margin:"), left);
    form->addRow(QStringLiteral("Type &Face:"), FontRow(sample, names.sample, font, dialog));
}

TReportSheet SheetOf(const QLineEdit* title, const QRadioButton* portrait, const InchEdit* top, const InchEdit* bottom,
                     const InchEdit* left, const QLabel* sample, const QPageSize& paper)
{
    TReportSheet sheet;
    if (title)
        sheet.title = title->text();
    sheet.landscape = !portrait->isChecked();
    sheet.topTenths = top->Units();
    sheet.bottomTenths = bottom->Units();
    sheet.leftTenths = left->Units();
    sheet.font = sample->font();
    sheet.pageSize = paper;
    return sheet;
}

// An envelope or a label sheet sets the printer's paper for its own job;
// the paper chosen in the set-up comes back for the next report.
class PaperKeeper
{
public:
    explicit PaperKeeper(QPrinter& printer) : m_printer(printer), m_layout(printer.pageLayout()) {}
    ~PaperKeeper()
    {
        m_printer.setFullPage(false);
        m_printer.setPageLayout(m_layout);
    }
    PaperKeeper(const PaperKeeper&) = delete;
    PaperKeeper& operator=(const PaperKeeper&) = delete;

private:
    QPrinter& m_printer;
    QPageLayout m_layout;
};

QStringList MemoLines(const QPlainTextEdit* memo)
{
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

} // namespace

TReportForm::TReportForm(const TReportContext& context, QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_context(context), m_printer(printer)
{
    setObjectName(QStringLiteral("TReportForm"));
    setWindowTitle(QStringLiteral("Print Reports"));

    auto* top = new QFormLayout;
    auto* nodeId = new QLineEdit(context.node ? TItemTree::PathOf(context.node) : QString());
    nodeId->setObjectName(QStringLiteral("NodeId"));
    nodeId->setReadOnly(true);
    top->addRow(QStringLiteral("Print Items From:"), nodeId);
    m_type = new QComboBox;
    m_type->setObjectName(QStringLiteral("RptTypeCombo"));
    for (int i = 0; i < ReportKinds::kCount; ++i)
        m_type->addItem(ReportKinds::Caption(static_cast<ReportKind>(i)));
    top->addRow(QStringLiteral("Report &Type:"), m_type);

    m_sheets = new QStackedWidget;
    m_sheets->addWidget(BuildListSheet());
    m_sheets->addWidget(BuildEnvelopeSheet());
    m_sheets->addWidget(BuildBookSheet());
    m_sheets->addWidget(BuildLabelSheet());
    m_sheets->addWidget(BuildReminderSheet());
    m_sheets->addWidget(BuildSimpleSheet());
    connect(m_type, &QComboBox::currentIndexChanged, m_sheets, &QStackedWidget::setCurrentIndex);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help);
    const auto action = [&](const char16_t* caption, const char16_t* name, void (TReportForm::*slot)()) {
        QPushButton* button = buttons->addButton(QString::fromUtf16(caption), QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromUtf16(name));
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    action(u"P&review", u"PreviewBtn", &TReportForm::Preview)->setIcon(QIcon::fromTheme(QStringLiteral("document-print-preview")));
    action(u"&Print", u"PrintBtn", &TReportForm::Print)->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    action(u"&Setup", u"SetupBtn", &TReportForm::Setup)->setIcon(QIcon::fromTheme(QStringLiteral("document-page-setup")));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] {
        const int sheet = m_type->currentIndex();
        THelpBrowser::OpenContext(sheet == 1 ? 1035 : sheet == 3 ? 1034 : 1033);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_sheets, 1);
    layout->addWidget(buttons);

    // The stored label types, then the sheets of the installed templates.
    m_storedLabels = LabelTypeStore::Read(ProfileFile(m_context.profilePath));
    m_sheetLabels = SheetTemplates::LoadInstalled();
    FillLabelList();

    if (const auto lines = ReturnAddress::Load(m_context.returnAddressPath))
        m_return->setPlainText(lines->join(u'\n'));
    else
        m_returnError = QStringLiteral("The return address file %1 could not be read.").arg(m_context.returnAddressPath);
    const TDeliveryTarget target = TDeliveryTarget::For(m_context.current);
    m_delivery->setPlainText(target.Lines().join(u'\n'));
}

TReportForm::~TReportForm()
{
    ProfileFile profile(m_context.profilePath);
    LabelTypeStore::Write(profile, m_storedLabels);
}

void TReportForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_returnError.isEmpty()) {
        const QString message = std::exchange(m_returnError, QString());
        QMetaObject::invokeMethod(this, [this, message] { QMessageBox::warning(this, windowTitle(), message); },
                                  Qt::QueuedConnection);
    }
}

void TReportForm::done(int result)
{
    if (m_saveReturn->isChecked() && !ReturnAddress::Save(m_context.returnAddressPath, MemoLines(m_return)))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("The return address could not be saved to %1.").arg(m_context.returnAddressPath));
    QDialog::done(result);
}

QWidget* TReportForm::BuildListSheet()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    SheetControls& c = m_list;
    AddSheetRows(form, this, &c.title, c.portrait, c.landscape, c.top, c.bottom, c.left, c.sample,
                 {QStringLiteral("Title1"), QStringLiteral("Portrait1"), QStringLiteral("Landscape1"),
                  QStringLiteral("Orientation1"), QStringLiteral("TopMargin1"), QStringLiteral("BottomMargin1"),
                  QStringLiteral("LeftMargin1"), QStringLiteral("ListText")},
                 QStringLiteral("Contact List"), ReportDefaults::Font());
    return page;
}

QWidget* TReportForm::BuildEnvelopeSheet()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_envSize = new QComboBox;
    m_envSize->setObjectName(QStringLiteral("EnvSize"));
    for (const TEnvelopeSize& size : TEnvelopeForm::Sizes())
        m_envSize->addItem(size.caption);
    form->addRow(QStringLiteral("Si&ze:"), m_envSize);

    const QFont font = ReportDefaults::Font();
    m_return = Memo(QStringLiteral("Return"), font);
    m_saveReturn = new QCheckBox(QStringLiteral("Save Return Address"));
    m_saveReturn->setObjectName(QStringLiteral("SaveRetAddr"));
    m_omitReturn = new QCheckBox(QStringLiteral("Omit Return Address"));
    m_omitReturn->setObjectName(QStringLiteral("OmitRetAddr"));
    m_delivery = Memo(QStringLiteral("Delivery"), font);
    const auto fontButton = [this](QPlainTextEdit* memo, const QString& name) {
        auto* button = new QPushButton(QStringLiteral("Font..."));
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, [this, memo] {
            bool ok = false;
            const QFont chosen = QFontDialog::getFont(&ok, memo->font(), this, QStringLiteral("Font"));
            if (ok)
                memo->setFont(chosen);
        });
        return button;
    };
    auto* returnBox = new QGroupBox(QStringLiteral("Return Address"));
    auto* returnLayout = new QGridLayout(returnBox);
    returnLayout->addWidget(m_return, 0, 0, 3, 1);
    returnLayout->addWidget(fontButton(m_return, QStringLiteral("ReturnFontBtn")), 0, 1);
    returnLayout->addWidget(m_saveReturn, 1, 1);
    returnLayout->addWidget(m_omitReturn, 2, 1);
    auto* deliveryBox = new QGroupBox(QStringLiteral("Delivery Address"));
    auto* deliveryLayout = new QGridLayout(deliveryBox);
    deliveryLayout->addWidget(m_delivery, 0, 0, 2, 1);
    deliveryLayout->addWidget(fontButton(m_delivery, QStringLiteral("DeliveryFontBtn")), 0, 1, Qt::AlignTop);
    form->addRow(returnBox);
    form->addRow(deliveryBox);
    return page;
}

QWidget* TReportForm::BuildBookSheet()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_columns = new QSpinBox;
    m_columns->setObjectName(QStringLiteral("SpinEdit1"));
    m_columns->setRange(1, 4);
    m_columns->setValue(1);
    form->addRow(QStringLiteral("Number of &Columns:"), m_columns);
    m_gutter = new InchEdit(QStringLiteral("Gutter"), 1, 5.0);
    m_gutter->SetUnits(10);
    form->addRow(QStringLiteral("Column &Gutter:"), m_gutter);
    SheetControls& c = m_book;
    AddSheetRows(form, this, nullptr, c.portrait, c.landscape, c.top, c.bottom, c.left, c.sample,
                 {QString(), QStringLiteral("Portrait2"), QStringLiteral("Landscape2"), QStringLiteral("Orientation2"),
                  QStringLiteral("TopMargin2"), QStringLiteral("BottomMargin2"), QStringLiteral("LeftMargin2"),
                  QStringLiteral("BookText")},
                 QString(), ReportDefaults::Font());
    return page;
}

QWidget* TReportForm::BuildLabelSheet()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto* listRow = new QWidget;
    auto* listLayout = new QHBoxLayout(listRow);
    listLayout->setContentsMargins(0, 0, 0, 0);
    m_labelList = new QComboBox;
    m_labelList->setObjectName(QStringLiteral("LabelList"));
    m_labelList->setMinimumContentsLength(24);
    auto* newButton = new QPushButton(QStringLiteral("&New..."));
    newButton->setObjectName(QStringLiteral("NewLabelBtn"));
    listLayout->addWidget(m_labelList, 1);
    listLayout->addWidget(newButton);
    form->addRow(QStringLiteral("&Label Type:"), listRow);
    static const char16_t* const names[6] = {u"TopEdit", u"SideEdit", u"HeightEdit", u"WidthEdit", u"HPitchEdit",
                                             u"VPitchEdit"};
    static const char16_t* const captions[6] = {u"Top Margin:", u"Side Margin:", u"Label Height:", u"Label Width:",
                                                u"Horiz. Pitch:", u"Vert Pitch:"};
    for (int i = 0; i < 6; ++i) {
        m_labelEdits[i] = new InchEdit(QString::fromUtf16(names[i]), 2, 20.0);
        form->addRow(QString::fromUtf16(captions[i]), m_labelEdits[i]);
    }
    m_across = new QSpinBox;
    m_across->setObjectName(QStringLiteral("NumAcross"));
    m_across->setRange(1, 10);
    form->addRow(QStringLiteral("Number &Across:"), m_across);
    form->addRow(QStringLiteral("Type &Face:"),
                 FontRow(m_labelSample, QStringLiteral("LabelText"), ReportDefaults::Font(), this));
    connect(m_labelList, &QComboBox::currentIndexChanged, this, &TReportForm::SelectLabel);
    connect(newButton, &QPushButton::clicked, this, [this] {
        TNewLabelForm dialog(this);
        if (dialog.exec() == QDialog::Accepted)
            AddLabelType(dialog.Label());
    });
    return page;
}

QWidget* TReportForm::BuildReminderSheet()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    SheetControls& c = m_reminders;
    AddSheetRows(form, this, &c.title, c.portrait, c.landscape, c.top, c.bottom, c.left, c.sample,
                 {QStringLiteral("Title3"), QStringLiteral("Portrait4"), QStringLiteral("Landscape4"),
                  QStringLiteral("Orient1"), QStringLiteral("TopMargin4"), QStringLiteral("BottomMargin4"),
                  QStringLiteral("LeftMargin4"), QStringLiteral("RemdListText")},
                 QStringLiteral("Reminder Listing"), ReportDefaults::Font());
    auto* dates = new QGroupBox(QStringLiteral("Dates"));
    dates->setObjectName(QStringLiteral("RemdDates"));
    auto* row = new QFormLayout(dates);
    m_from = new QDateEdit(m_context.today);
    m_from->setObjectName(QStringLiteral("FromDate"));
    m_from->setCalendarPopup(true);
    m_to = new QDateEdit(m_context.today.addMonths(1));
    m_to->setObjectName(QStringLiteral("ToDate"));
    m_to->setCalendarPopup(true);
    row->addRow(QStringLiteral("&From Date:"), m_from);
    row->addRow(QStringLiteral("To &Date:"), m_to);
    form->insertRow(1, dates);
    return page;
}

QWidget* TReportForm::BuildSimpleSheet()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    SheetControls& c = m_simple;
    AddSheetRows(form, this, &c.title, c.portrait, c.landscape, c.top, c.bottom, c.left, c.sample,
                 {QStringLiteral("Title2"), QStringLiteral("Portrait3"), QStringLiteral("Landscape3"),
                  QStringLiteral("Orient2"), QStringLiteral("TopMargin3"), QStringLiteral("BottomMargin3"),
                  QStringLiteral("LeftMargin3"), QStringLiteral("SimpListText")},
                 m_context.node ? TItemTree::PathOf(m_context.node) : QString(), ReportDefaults::Font());
    return page;
}

void TReportForm::FillLabelList()
{
    const QSignalBlocker block(m_labelList);
    m_labelList->clear();
    for (const TLabelDimension& label : m_storedLabels)
        m_labelList->addItem(label.name);
    for (const TLabelDimension& label : m_sheetLabels)
        m_labelList->addItem(label.name);
    SelectLabel(m_labelList->count() > 0 ? 0 : -1);
}

void TReportForm::SetSheetTemplates(std::vector<TLabelDimension> templates)
{
    m_sheetLabels = std::move(templates);
    FillLabelList();
}

void TReportForm::AddLabelType(const TLabelDimension& label)
{
    m_storedLabels.push_back(label);
    FillLabelList();
    SelectLabel(StoredLabelCount() - 1);
}

void TReportForm::SelectLabel(int index)
{
    if (index < 0 || index >= m_labelList->count())
        return;
    const QSignalBlocker block(m_labelList);
    m_labelList->setCurrentIndex(index);
    const size_t i = static_cast<size_t>(index);
    const TLabelDimension& label = i < m_storedLabels.size() ? m_storedLabels[i] : m_sheetLabels[i - m_storedLabels.size()];
    const std::array<int, 7> values = label.Values();
    for (int e = 0; e < 6; ++e)
        m_labelEdits[e]->SetUnits(values[static_cast<size_t>(e)]);
    m_across->setValue(values[6]);
}

void TReportForm::SelectReport(ReportKind kind)
{
    m_type->setCurrentIndex(static_cast<int>(kind));
}

TReportRequest TReportForm::Request() const
{
    TReportRequest r = TReportRequest::Defaults(*m_context.node, m_context.today);
    r.kind = static_cast<ReportKind>(m_type->currentIndex());
    r.passes = m_context.passes;
    r.paper = m_printer.pageLayout().pageSize();
    const auto sheet = [&](const SheetControls& c) {
        return SheetOf(c.title, c.portrait, c.top, c.bottom, c.left, c.sample, r.paper);
    };
    r.list = sheet(m_list);
    r.book.sheet = sheet(m_book);
    r.book.columns = m_columns->value();
    r.book.gutterTenths = m_gutter->Units();
    r.reminders = sheet(m_reminders);
    r.simple = sheet(m_simple);
    r.from = m_from->date();
    r.to = m_to->date();

    r.envelope.size = m_envSize->currentIndex();
    r.envelope.returnLines = MemoLines(m_return);
    r.envelope.deliveryLines = MemoLines(m_delivery);
    r.envelope.omitReturn = m_omitReturn->isChecked();
    r.envelope.returnFont = m_return->font();
    r.envelope.deliveryFont = m_delivery->font();

    const int index = m_labelList->currentIndex();
    const size_t i = static_cast<size_t>(std::max(0, index));
    if (index >= 0)
        r.label = i < m_storedLabels.size() ? m_storedLabels[i] : m_sheetLabels[i - m_storedLabels.size()];
    std::array<int, 7> values{};
    for (int e = 0; e < 6; ++e)
        values[static_cast<size_t>(e)] = m_labelEdits[e]->Units();
    values[6] = m_across->value();
    r.label.SetValues(values);
    r.labelFont = m_labelSample->font();
    return r;
}

std::unique_ptr<TPreparedReport> TReportForm::Prepare()
{
    const TReportRequest request = Request();
    if (request.kind == ReportKind::Labels && !request.label.IsSane()) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("The label height, width and pitches must be more than zero."));
        return nullptr;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto prepared = PrepareReport(request);
    QApplication::restoreOverrideCursor();
    return prepared;
}

void TReportForm::Preview()
{
    auto prepared = Prepare();
    if (!prepared)
        return;
    TBandedReport& report = prepared->Report();
    const std::vector<TReportPage> pages = LayOut(report);
    const PaperKeeper keep(m_printer);
    ReportPainter::SetUpPrinter(m_printer, report);
    QPrintPreviewDialog preview(&m_printer, this);
    preview.setWindowTitle(ReportKinds::Caption(static_cast<ReportKind>(m_type->currentIndex())));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&pages](QPrinter* printer) {
        QPainter painter(printer);
        ReportPainter::Paint(painter, *printer, pages);
    });
    preview.exec();
}

void TReportForm::Print()
{
    auto prepared = Prepare();
    if (!prepared)
        return;
    TBandedReport& report = prepared->Report();
    const PaperKeeper keep(m_printer);
    ReportPainter::SetUpPrinter(m_printer, report);
    // Without a printer to go to, the print dialog offers a PDF file instead.
    const bool noPrinter = m_printer.outputFormat() == QPrinter::NativeFormat && QPrinterInfo::availablePrinters().isEmpty();
    if (report.showPrintDialog || noPrinter) {
        QPrintDialog dialog(&m_printer, this);
        dialog.setWindowTitle(QStringLiteral("Print"));
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    const std::vector<TReportPage> pages = LayOut(report);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ReportPainter::PrintPages(pages, report, m_printer);
    QApplication::restoreOverrideCursor();
    if (!ok)
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The report could not be printed."));
}

std::vector<TReportPage> TReportForm::LayOut(TBandedReport& report)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::unique_ptr<TProgressForm> progress;
    if (report.expectedRecords > 2 * TBandedReport::kProgressStep) {
        progress = std::make_unique<TProgressForm>(this);
        progress->SetActionText(QStringLiteral("Preparing the report..."));
        progress->SetMaximum(report.expectedRecords);
        progress->SetPosition(0);
        progress->show();
        TProgressForm* window = progress.get();
        report.progress = [window](int placed) { window->SetPosition(placed); };
    }
    std::vector<TReportPage> pages = report.LayoutPages();
    report.progress = nullptr;
    QApplication::restoreOverrideCursor();
    return pages;
}

void TReportForm::Setup()
{
    QPageSetupDialog dialog(&m_printer, this);
    dialog.exec();
}
