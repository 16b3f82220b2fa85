#include "ui/shell/StartupRecovery.h"

#include "ui/common/AppInfo.h"
#include "ui/shell/DesktopDatabase.h"
#include "ui/shell/TMainForm.h"

#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace StartupRecovery {

Questions Dialogs(QWidget* parent, const bool* ending)
{
    Questions ask;
    ask.restoreJournal = [parent, ending](const QString& reason, const QDateTime& written) {
        QMessageBox box(QMessageBox::Warning, AppInfo::ProductName(),
                        QStringLiteral("%1.\n\nThe journal of the last save, written %2, is complete. "
                                       "Use it instead?")
                            .arg(reason, QLocale().toString(written, QLocale::ShortFormat)),
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::Yes);
        // The texts name the user's files.
        box.setTextFormat(Qt::PlainText);
        box.setEscapeButton(QMessageBox::No);
        const int chosen = box.exec();
        if (*ending)
            return Answer::Cancelled;
        return chosen == QMessageBox::Yes ? Answer::Yes : Answer::No;
    };
    ask.openReadOnly = [parent, ending](const QString& error) {
        QMessageBox box(QMessageBox::Critical, AppInfo::ProductName(),
                        QStringLiteral("The database could not be loaded:\n%1\n\n"
                                       "Zendrivo can start read-only, without saving over it, or quit.")
                            .arg(error),
                        QMessageBox::Close, parent);
        QPushButton* readOnly = box.addButton(QStringLiteral("Start &Read-Only"), QMessageBox::AcceptRole);
        box.setDefaultButton(readOnly);
        // The texts name the user's files.
        box.setTextFormat(Qt::PlainText);
        box.setEscapeButton(QMessageBox::Close);
        box.exec();
        if (*ending)
            return Answer::Cancelled;
        return box.clickedButton() == readOnly ? Answer::Yes : Answer::No;
    };
    ask.restoreAutosave = [parent, ending](const QDateTime& when) {
        QMessageBox box(QMessageBox::Question, AppInfo::ProductName(),
                        QStringLiteral("Zendrivo did not end properly last time. Its unsaved changes were kept "
                                       "automatically at %1.\n\nRestore them?")
                            .arg(QLocale().toString(when, QLocale::ShortFormat)),
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::Yes);
        // The texts name the user's files.
        box.setTextFormat(Qt::PlainText);
        box.setEscapeButton(QMessageBox::No);
        const int chosen = box.exec();
        if (*ending)
            return Answer::Cancelled;
        return chosen == QMessageBox::Yes ? Answer::Yes : Answer::No;
    };
    return ask;
}

bool Run(TMainForm& form, const Questions& ask)
{
    DesktopDatabase& database = form.Database();
    if (database.JournalRecovery().available) {
        switch (ask.restoreJournal(database.JournalRecovery().reason, database.JournalRecovery().written)) {
        case Answer::Yes: {
            QString error;
            if (!database.RestoreJournal(&error))
                QMessageBox::warning(&form, AppInfo::ProductName(), error);
            form.RefreshAfterCommand();
            break;
        }
        case Answer::No:
            break;
        case Answer::Cancelled:
            return false;
        }
    }
    if (!database.LoadError().isEmpty())
        return ask.openReadOnly(database.LoadError()) == Answer::Yes;
    if (!database.HasNewerAutosave())
        return true;
    switch (ask.restoreAutosave(database.AutosaveTime())) {
    case Answer::Yes: {
        QString error;
        if (!database.RestoreAutosave(&error))
            QMessageBox::warning(&form, AppInfo::ProductName(), error);
        form.RefreshAfterCommand();
        return true;
    }
    case Answer::No:
        database.DiscardAutosave();
        return true;
    case Answer::Cancelled:
        return false;
    }
    return true;
}

} // namespace StartupRecovery
