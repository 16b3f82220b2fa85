// The desktop program's start on a database of about 100,000 items, timed
// from the process's own start (dynamic loading included) until the main
// window has painted its folder tree with the tree filled in. Run it under
// a display (xvfb-run -a) or with QT_QPA_PLATFORM=offscreen; it prepares the
// database in a temporary data directory and starts as the program does.
#include "BenchTree.h"
#include "model/Database.h"
#include "ui/shell/TLogicForm.h"
#include "ui/shell/TMainForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Seconds since the process started, from the kernel's record of it.
double SecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Field 22 (start time in clock ticks since boot) follows the command in parentheses.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double started = fields.value(19).toDouble() / static_cast<double>(::sysconf(_SC_CLK_TCK));
    timespec now{};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 - started;
}

// Notes the first paint of the tree's viewport once the tree has rows.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QTreeView* view) : m_view(view) {}
    double painted = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && painted < 0 && m_view->model()->rowCount() > 0) {
            painted = SecondsSinceProcessStart();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTreeView* m_view;
};

} // namespace

int main(int argc, char** argv)
{
    // The database is written by a child process first, so that this
    // process's start measures only the program's own work.
    if (argc > 1 && QByteArray(argv[1]) == "--prepare") {
        TItemTree tree;
        BuildTree(tree);
        SaveDatabase(tree, QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "--run") {
        const double atMain = SecondsSinceProcessStart();
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
        TLogicForm tray;
        TMainForm form;
        tray.SetMainForm(&form);
        const double loaded = SecondsSinceProcessStart();
        PaintWatch watch(form.Folders());
        form.Folders()->viewport()->installEventFilter(&watch);
        tray.Restore();
        QApplication::exec();
        std::printf("start to main %.3f s, window and database %.3f s, tree painted %.3f s (items %d)\n", atMain, loaded,
                    watch.painted, form.Tree().Count());
        std::fflush(stdout);
        std::_Exit(0);
    }
    QTemporaryDir dir;
    const QString self = QString::fromLocal8Bit(argv[0]);
    const QByteArray path = QFile::encodeName(dir.path());
    const QByteArray prepare = QFile::encodeName(self) + " --prepare " + path;
    if (std::system(prepare.constData()) != 0)
        return 1;
    std::printf("Desktop start on a database of about 100,000 items (target: painted within 0.5 s)\n");
    std::fflush(stdout);
    for (int run = 0; run < 5; ++run) {
        const QByteArray start = QFile::encodeName(self) + " --run " + path;
        if (std::system(start.constData()) != 0)
            return 1;
    }
    return 0;
}
