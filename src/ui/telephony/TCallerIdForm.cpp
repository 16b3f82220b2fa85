#include "ui/telephony/TCallerIdForm.h"

#include "comm/TetLine.h"
#include "model/Clock.h"
#include "model/Exceptions.h"
#include "model/ZVBObject.h"
#include "platform/ProfileFile.h"
#include "ui/telephony/CallHistoryModel.h"
#include "ui/telephony/TDialPhoneDialog.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>
#include <QVBoxLayout>

TCallerIdForm::TCallerIdForm(const QString& profilePath, const QString& historyPath, QWidget* parent)
    : QWidget(parent, Qt::Window), m_profilePath(profilePath), m_historyPath(historyPath), m_line(new TetLine(this)),
      m_model(new CallHistoryModel(m_history, this)), m_name(new QLabel(QStringLiteral("None"))),
      m_number(new QLabel(QStringLiteral("None"))), m_find1(new QPushButton(QStringLiteral("Find"))),
      m_showHist(new QPushButton(QStringLiteral("History >>"))), m_historyPanel(new QWidget), m_view(new QTreeView),
      m_numSaved(new QSpinBox), m_dial(new QPushButton(QStringLiteral("Dial..."))),
      m_delete(new QPushButton(QStringLiteral("Delete"))), m_find2(new QPushButton(QStringLiteral("Find")))
{
    setObjectName(QStringLiteral("TCallerIdForm"));
    setWindowTitle(QStringLiteral("Caller ID"));
    m_name->setObjectName(QStringLiteral("NameLabel"));
    m_number->setObjectName(QStringLiteral("NumberLabel"));
    m_find1->setObjectName(QStringLiteral("FindBtn1"));
    m_showHist->setObjectName(QStringLiteral("ShowHistBtn"));
    m_view->setObjectName(QStringLiteral("HistoryView"));
    m_numSaved->setObjectName(QStringLiteral("NumSavedEdit"));
    m_dial->setObjectName(QStringLiteral("DialBtn"));
    m_delete->setObjectName(QStringLiteral("DelBtn"));
    m_find2->setObjectName(QStringLiteral("FindBtn2"));
    m_line->setObjectName(QStringLiteral("etLine"));
    // What the network sends is shown as text, never interpreted.
    for (QLabel* label : {m_name, m_number}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setMinimumWidth(180);
    }
    QFont big = m_name->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    m_name->setFont(big);
    m_number->setFont(big);
    m_find1->setEnabled(false);

    auto* info = new QFormLayout;
    info->addRow(QStringLiteral("Name:"), m_name);
    info->addRow(QStringLiteral("Number:"), m_number);
    auto* infoButtons = new QVBoxLayout;
    infoButtons->addWidget(m_find1);
    infoButtons->addWidget(m_showHist);
    infoButtons->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(info, 1);
    top->addLayout(infoButtons);

    auto* bevel = new QFrame;
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);

    m_view->setModel(m_model);
    m_view->setRootIsDecorated(false);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setDragEnabled(true);
    m_view->setDragDropMode(QAbstractItemView::DragOnly);
    m_view->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_view->setIconSize(QSize(16, 16));
    m_view->header()->resizeSection(0, 150);
    m_view->header()->resizeSection(1, 120);
    m_view->setMinimumWidth(460);
    m_numSaved->setRange(0, CallHistory::MaxSize);
    auto* size = new QLabel(QStringLiteral("How many?"));
    size->setBuddy(m_numSaved);
    auto* hint = new QLabel(QStringLiteral("Drag & drop to main window to add to database"));
    hint->setEnabled(false);
    auto* historyButtons = new QHBoxLayout;
    historyButtons->addWidget(size);
    historyButtons->addWidget(m_numSaved);
    historyButtons->addStretch();
    historyButtons->addWidget(m_dial);
    historyButtons->addWidget(m_delete);
    historyButtons->addWidget(m_find2);
    auto* historyLayout = new QVBoxLayout(m_historyPanel);
    historyLayout->setContentsMargins(0, 0, 0, 0);
    historyLayout->addWidget(m_view, 1);
    historyLayout->addWidget(hint);
    historyLayout->addLayout(historyButtons);
    m_historyPanel->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(bevel);
    layout->addWidget(m_historyPanel, 1);
    layout->setSizeConstraint(QLayout::SetMinAndMaxSize);

    connect(m_showHist, &QPushButton::clicked, this, &TCallerIdForm::ShowHistBtnClick);
    connect(m_find1, &QPushButton::clicked, this, &TCallerIdForm::FindBtn1Click);
    connect(m_find2, &QPushButton::clicked, this, &TCallerIdForm::FindBtn2Click);
    connect(m_dial, &QPushButton::clicked, this, &TCallerIdForm::DialBtnClick);
    connect(m_delete, &QPushButton::clicked, this, &TCallerIdForm::DelBtnClick);
    connect(m_line, &TetLine::OnCallerID, this, &TCallerIdForm::LineCallerId);
    connect(m_line, &TetLine::OnIdle, this, &TCallerIdForm::LineIdle);
    SetMessage([this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); });

    const ProfileFile profile(m_profilePath);
    m_numSaved->setValue(qBound(0, profile.ReadInteger(QStringLiteral("Settings"), QStringLiteral("CallerHistory"),
                                                       CallHistory::DefaultSize),
                                CallHistory::MaxSize));
    m_model->Reload(m_historyPath);

    TDialPhoneDialog::SetLineRelease([this] { return ReleaseLine(); });
}

TCallerIdForm::~TCallerIdForm()
{
    TDialPhoneDialog::SetLineRelease({});
    if (!m_saved) {
        try {
            m_history.Save(m_historyPath);
        } catch (const EZendrivoError&) {
            // Too late to tell anyone; SaveHistory() at the end of the program reports it.
        }
    }
}

bool TCallerIdForm::HistoryShown() const
{
    return m_historyPanel->isVisibleTo(this);
}

void TCallerIdForm::ShowHistBtnClick()
{
    const bool show = !HistoryShown();
    m_historyPanel->setVisible(show);
    m_showHist->setText(show ? QStringLiteral("No History") : QStringLiteral("History >>"));
    adjustSize();
}

bool TCallerIdForm::CallerIdOn() const
{
    return m_line->Active();
}

bool TCallerIdForm::SetCallerId(bool on)
{
    bool ok = true;
    if (on) {
        const int device = TDialPhoneDialog::Shared().Settings().DeviceID;
        if (m_line->DeviceId() != device || m_line->Active())
            ok = m_line->SetDeviceId(device);
        ok = ok && m_line->SetActive(true);
        if (!ok) {
            const QString why = m_line->LastFailure().isEmpty() ? m_line->ErrorText() : m_line->LastFailure();
            m_message(u"Caller ID cannot watch the telephone line: " + why);
        } else if (!m_line->CallerIdSupported()) {
            m_message(QStringLiteral("The modem does not report caller ID."));
        }
    } else {
        m_line->SetActive(false);
    }
    Q_EMIT CallerIdSwitched(m_line->Active());
    return ok;
}

std::function<void()> TCallerIdForm::ReleaseLine()
{
    if (!m_line->Active())
        return {};
    m_line->SetActive(false);
    return [this] { SetCallerId(true); };
}

void TCallerIdForm::LineCallerId()
{
    show();
    raise();
    m_name->setText(m_line->CallerID().Name());
    m_number->setText(m_line->CallerID().Number());
    m_find1->setEnabled(true);
    m_model->AddCall(m_name->text(), m_number->text(), Clock::Now(), m_numSaved->value());
}

void TCallerIdForm::LineIdle()
{
    m_name->setText(QStringLiteral("None"));
    m_number->setText(QStringLiteral("None"));
    m_find1->setEnabled(false);
}

QList<int> TCallerIdForm::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        rows << index.row();
    return rows;
}

void TCallerIdForm::FindBtn1Click()
{
    if (m_locator)
        m_locator(m_number->text());
}

void TCallerIdForm::FindBtn2Click()
{
    const QModelIndex current = m_view->currentIndex();
    const TZVBObject* item = m_history.Item(current.row());
    if (item && m_locator)
        m_locator(item->Value());
}

void TCallerIdForm::DialBtnClick()
{
    if (TZVBObject* item = m_history.Item(m_view->currentIndex().row()))
        item->Dial();
}

void TCallerIdForm::DelBtnClick()
{
    m_model->RemoveRows(SelectedRows());
}

bool TCallerIdForm::SaveHistory()
{
    try {
        m_history.Save(m_historyPath);
    } catch (const EZendrivoError& e) {
        m_message(e.Message());
        return false;
    }
    m_saved = true;
    ProfileFile(m_profilePath).WriteInteger(QStringLiteral("Settings"), QStringLiteral("CallerHistory"), m_numSaved->value());
    return true;
}
