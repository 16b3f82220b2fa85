#include "ui/telephony/TDialSetupForm.h"

#include "comm/DialString.h"
#include "comm/TDialSettings.h"
#include "comm/TetLine.h"
#include "ui/telephony/TNewLocationForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TDialSetupForm::TDialSetupForm(TDialSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_line(new TetLine(this)), m_provider(new QComboBox),
      m_location(new QComboBox), m_new(new QPushButton(QStringLiteral("New..."))),
      m_delete(new QPushButton(QStringLiteral("Delete"))), m_areaCode(new QLineEdit), m_localPrefix(new QLineEdit),
      m_longPrefix(new QLineEdit), m_tone(new QRadioButton(QStringLiteral("Tone Dialing"))),
      m_pulse(new QRadioButton(QStringLiteral("Pulse Dialing"))), m_useCard(new QCheckBox(QStringLiteral("Use calling card"))),
      m_service(new QComboBox), m_cardNumber(new QLineEdit), m_format(new QLineEdit), m_ports(new QLineEdit)
{
    setObjectName(QStringLiteral("TDialSetupForm"));
    setWindowTitle(QStringLiteral("Dialing Properties"));
    m_provider->setObjectName(QStringLiteral("Provider"));
    m_location->setObjectName(QStringLiteral("LocationBox"));
    m_service->setObjectName(QStringLiteral("ServiceBox"));
    m_areaCode->setMaxLength(5);
    m_localPrefix->setMaxLength(2);
    m_longPrefix->setMaxLength(2);
    m_ports->setPlaceholderText(QStringLiteral("/dev/ttyACM0; /dev/modem"));
    m_ports->setToolTip(QStringLiteral("Serial ports to look for a modem on besides the ones found, separated by \";\""));
    m_provider->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_provider->setMinimumContentsLength(24);
    m_service->addItems(DialString::CardServiceNames());

    // The devices of the line, one to one with the stored index.
    m_provider->addItems(m_line->List());

    auto* device = new QGroupBox(QStringLiteral("Telephony Device"));
    auto* deviceForm = new QFormLayout(device);
    deviceForm->addRow(QStringLiteral("Device:"), m_provider);
    deviceForm->addRow(QStringLiteral("Other ports:"), m_ports);

    auto* where = new QGroupBox(QStringLiteral("Location"));
    auto* whereForm = new QFormLayout(where);
    auto* locationRow = new QHBoxLayout;
    locationRow->addWidget(m_location, 1);
    locationRow->addWidget(m_new);
    locationRow->addWidget(m_delete);
    whereForm->addRow(QStringLiteral("I am dialing from:"), locationRow);
    whereForm->addRow(QStringLiteral("Area code:"), m_areaCode);
    whereForm->addRow(QStringLiteral("For local calls, dial:"), m_localPrefix);
    whereForm->addRow(QStringLiteral("For long distance calls, dial:"), m_longPrefix);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(m_tone);
    modeRow->addWidget(m_pulse);
    modeRow->addStretch();
    whereForm->addRow(modeRow);

    auto* card = new QGroupBox(QStringLiteral("Calling Card"));
    auto* cardForm = new QFormLayout(card);
    cardForm->addRow(m_useCard);
    cardForm->addRow(QStringLiteral("Service:"), m_service);
    cardForm->addRow(QStringLiteral("Card number:"), m_cardNumber);
    cardForm->addRow(QStringLiteral("Format to dial:"), m_format);
    cardForm->addRow(new QLabel(QStringLiteral(",=pause   $=wait for tone   N=dial number")));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDialSetupForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(device);
    layout->addWidget(where);
    layout->addWidget(card);
    layout->addWidget(buttons);

    connect(m_location, &QComboBox::currentIndexChanged, this, &TDialSetupForm::LocationChosen);
    connect(m_new, &QPushButton::clicked, this, &TDialSetupForm::NewLocationClick);
    connect(m_delete, &QPushButton::clicked, this, &TDialSetupForm::DeleteLocationClick);
    connect(m_useCard, &QCheckBox::toggled, this, &TDialSetupForm::CardSwitched);
    connect(m_service, &QComboBox::currentIndexChanged, this, &TDialSetupForm::FillCardFormat);
    connect(m_cardNumber, &QLineEdit::textEdited, this, &TDialSetupForm::FillCardFormat);
    SetAskName([this] {
        TNewLocationForm ask(this);
        return ask.exec() == QDialog::Accepted ? ask.Name() : QString();
    });

    m_ports->setText(TDialSettings::ReadModemSetup().ports.join(QStringLiteral("; ")));
    LoadLocations();
    m_settings.Load();
    ShowSettings();
}

TDialSetupForm::~TDialSetupForm() = default;

void TDialSetupForm::LoadLocations()
{
    m_filling = true;
    m_location->clear();
    m_location->addItems(m_settings.Locations());
    m_filling = false;
}

void TDialSetupForm::ShowSettings()
{
    m_filling = true;
    m_provider->setCurrentIndex(m_settings.DeviceID < m_provider->count() ? m_settings.DeviceID : -1);
    if (m_location->findText(m_settings.Location()) < 0)
        m_location->addItem(m_settings.Location());
    m_location->setCurrentIndex(m_location->findText(m_settings.Location()));
    m_delete->setEnabled(m_location->count() > 1);
    m_areaCode->setText(m_settings.AreaCode);
    m_localPrefix->setText(m_settings.LocalPrefix);
    m_longPrefix->setText(m_settings.LongPrefix);
    m_pulse->setChecked(m_settings.DialMode == TDialMode::dmPulse);
    m_tone->setChecked(m_settings.DialMode == TDialMode::dmTone);
    m_useCard->setChecked(m_settings.UseCard);
    m_service->setCurrentIndex(qMax(0, DialString::CardServiceIndex(m_settings.Service)));
    m_cardNumber->setText(m_settings.Number);
    m_format->setText(m_settings.Code);
    m_filling = false;
    CardSwitched();
}

void TDialSetupForm::LocationChosen(int index)
{
    if (m_filling || index < 0)
        return;
    m_settings.SetLocation(m_location->itemText(index));
    m_settings.Load();
    ShowSettings();
}

void TDialSetupForm::NewLocationClick()
{
    const QString name = m_askName();
    if (name.isEmpty())
        return;
    m_filling = true;
    if (m_location->findText(name) < 0)
        m_location->addItem(name);
    m_location->setCurrentIndex(m_location->findText(name));
    m_filling = false;
    // A new location starts empty, not with the last one's values.
    TDialSettings fresh;
    fresh.Assign(m_settings);
    fresh.AreaCode.clear();
    fresh.LocalPrefix.clear();
    fresh.LongPrefix.clear();
    fresh.DialMode = TDialMode::dmTone;
    fresh.UseCard = false;
    fresh.Service.clear();
    fresh.Number.clear();
    fresh.Code.clear();
    m_settings.Assign(fresh);
    m_settings.SetLocation(name);
    m_settings.Load();
    ShowSettings();
}

void TDialSetupForm::DeleteLocationClick()
{
    const int index = m_location->currentIndex();
    if (index < 0 || m_location->count() <= 1)
        return;
    m_settings.DeleteLocation(m_location->itemText(index));
    m_filling = true;
    m_location->removeItem(index);
    m_location->setCurrentIndex(-1);
    m_filling = false;
    m_delete->setEnabled(m_location->count() > 1);
}

void TDialSetupForm::FillCardFormat()
{
    if (m_filling)
        return;
    m_format->setText(DialString::FillCardFormat(m_service->currentIndex(), m_cardNumber->text()));
}

void TDialSetupForm::CardSwitched()
{
    const bool on = m_useCard->isChecked();
    for (QWidget* field : {static_cast<QWidget*>(m_service), static_cast<QWidget*>(m_cardNumber),
                           static_cast<QWidget*>(m_format)})
        field->setEnabled(on);
}

void TDialSetupForm::accept()
{
    m_settings.DeviceID = qMax(0, m_provider->currentIndex());
    const QString location = m_location->currentText().remove(u'\\').trimmed();
    if (!location.isEmpty() && location != m_settings.Location())
        m_settings.SetLocation(location);
    m_settings.AreaCode = m_areaCode->text();
    m_settings.LocalPrefix = m_localPrefix->text();
    m_settings.LongPrefix = m_longPrefix->text();
    m_settings.DialMode = m_pulse->isChecked() ? TDialMode::dmPulse : TDialMode::dmTone;
    m_settings.UseCard = m_useCard->isChecked();
    m_settings.Service = m_service->currentText();
    m_settings.Number = m_cardNumber->text();
    m_settings.Code = m_format->text();
    m_settings.Save();
    TDialSettings::ModemSetup setup = TDialSettings::ReadModemSetup();
    setup.ports.clear();
    for (const QString& port : m_ports->text().split(u';', Qt::SkipEmptyParts)) {
        if (!port.trimmed().isEmpty())
            setup.ports << port.trimmed();
    }
    TDialSettings::WriteModemSetup(setup);
    QDialog::accept();
}
