#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

class QWidget;
class TMainForm;

// The questions of the start about the database: a complete journal that is
// better than it (use it or not), a database that failed to load (run
// read-only or quit), and a crash copy newer than it (restore or not).
namespace StartupRecovery {

enum class Answer { Yes, No, Cancelled };

struct Questions
{
    // Yes: use the journal (REASON says what is wrong with the database); No:
    // go on without it; Cancelled: quit.
    std::function<Answer(const QString& reason, const QDateTime& written)> restoreJournal;
    // Yes: run read-only; No or Cancelled: quit.
    std::function<Answer(const QString& error)> openReadOnly;
    // Yes: restore the copy; No: discard it; Cancelled: leave it for the next start.
    std::function<Answer(const QDateTime& when)> restoreAutosave;
};

// Message boxes over PARENT. A box closed because the program is asked to
// end (*ending set) answers Cancelled.
Questions Dialogs(QWidget* parent, const bool* ending);

// Asks what the state of the database calls for and acts on the answers.
// False when the program should end now.
bool Run(TMainForm& form, const Questions& ask);

} // namespace StartupRecovery
