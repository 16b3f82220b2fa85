#include "ui/telephony/TDialPhoneDialog.h"

#include "ui/telephony/TDialSetupForm.h"
#include "ui/telephony/TDialerForm.h"

namespace {

TDialPhoneDialog::LineRelease& Release()
{
    static TDialPhoneDialog::LineRelease release;
    return release;
}

// Gives the caller-ID line back when the dialer is done, also on an exception.
class LineHold
{
public:
    LineHold()
    {
        if (Release())
            m_restore = Release()();
    }
    ~LineHold()
    {
        if (m_restore)
            m_restore();
    }
    LineHold(const LineHold&) = delete;
    LineHold& operator=(const LineHold&) = delete;

private:
    std::function<void()> m_restore;
};

} // namespace

TDialPhoneDialog::TDialPhoneDialog(QObject* parent) : QObject(parent)
{
    m_settings.RegistryPath = TDialSettings::DefaultRegistryPath();
}

TDialPhoneDialog& TDialPhoneDialog::Shared()
{
    static TDialPhoneDialog* shared = [] {
        auto* dialog = new TDialPhoneDialog;
        dialog->Settings().Load();
        return dialog;
    }();
    return *shared;
}

void TDialPhoneDialog::SetLineRelease(LineRelease release)
{
    Release() = std::move(release);
}

void TDialPhoneDialog::Execute(QWidget* parent)
{
    const LineHold hold;
    TDialerForm dialer(m_settings, parent);
    dialer.setWindowTitle(Title);
    dialer.Start(Recipient, PhoneNumber);
    dialer.exec();
}

bool TDialPhoneDialog::ExecuteSettings(QWidget* parent)
{
    TDialSettings copy;
    copy.Assign(m_settings);
    TDialSetupForm setup(copy, parent);
    if (setup.exec() != QDialog::Accepted)
        return false;
    m_settings.Assign(copy);
    m_settings.Save();
    return true;
}
