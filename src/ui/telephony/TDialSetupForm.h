#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TDialSettings;
class TetLine;

// "Dialing Properties": the line device, the dialing locations with their
// area code and outside-line prefixes, tone or pulse, and the calling card.
// OK stores the controls into the settings and saves them.
class TDialSetupForm : public QDialog
{
    Q_OBJECT

public:
    TDialSetupForm(TDialSettings& settings, QWidget* parent = nullptr);
    ~TDialSetupForm() override;

    QComboBox* Provider() const { return m_provider; }
    QComboBox* LocationBox() const { return m_location; }
    QPushButton* NewButton() const { return m_new; }
    QPushButton* DeleteButton() const { return m_delete; }
    QLineEdit* AreaCodeEdit() const { return m_areaCode; }
    QLineEdit* LocalPrefixEdit() const { return m_localPrefix; }
    QLineEdit* LongPrefixEdit() const { return m_longPrefix; }
    QRadioButton* ToneButton() const { return m_tone; }
    QRadioButton* PulseButton() const { return m_pulse; }
    QCheckBox* UseCardCheck() const { return m_useCard; }
    QComboBox* ServiceBox() const { return m_service; }
    QLineEdit* CardNumberEdit() const { return m_cardNumber; }
    QLineEdit* FormatEdit() const { return m_format; }
    QLineEdit* PortsEdit() const { return m_ports; }

    // "New...": the name comes from the question; tests replace it.
    using AskName = std::function<QString()>;
    void SetAskName(AskName ask) { m_askName = std::move(ask); }
    void NewLocationClick();
    void DeleteLocationClick();

    void accept() override;

private:
    void LoadLocations();
    void ShowSettings();
    void LocationChosen(int index);
    void FillCardFormat();
    void CardSwitched();

    TDialSettings& m_settings;
    TetLine* m_line;
    QComboBox* m_provider;
    QComboBox* m_location;
    QPushButton* m_new;
    QPushButton* m_delete;
    QLineEdit* m_areaCode;
    QLineEdit* m_localPrefix;
    QLineEdit* m_longPrefix;
    QRadioButton* m_tone;
    QRadioButton* m_pulse;
    QCheckBox* m_useCard;
    QComboBox* m_service;
    QLineEdit* m_cardNumber;
    QLineEdit* m_format;
    QLineEdit* m_ports;
    AskName m_askName;
    bool m_filling = false;
};
