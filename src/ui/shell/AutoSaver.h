#pragma once

#include "model/TreeObserver.h"

#include <QObject>
#include <QString>
#include <QTimer>

class TItemTree;

// Keeps a copy of the tree with its unsaved changes in "zivo.dat.autosave",
// written a moment after a change, so a crash or power cut loses at most the
// last few seconds. It is no save: "zivo.dat" stays as the user last saved
// it, and "Revert to Saved" still goes back there. A clean end or a save
// removes the copy; one left behind at start means the last run crashed.
class AutoSaver : public QObject, public TreeObserver
{
    Q_OBJECT

public:
    // The copy lives in DIRECTORY (the data directory).
    AutoSaver(TItemTree& tree, const QString& directory, QObject* parent = nullptr);
    ~AutoSaver() override;

    static QString FileName();
    QString Path() const { return m_path; }

    // No copy is written while disabled (a database that failed to load).
    void SetEnabled(bool enabled);
    // The tree now equals "zivo.dat" (saved, reverted): the copy goes.
    void MarkSaved();
    // The tree equals "zivo.dat" (just loaded); a copy from a crashed run stays.
    void MarkClean();
    // The tree differs from "zivo.dat" without a change being announced
    // (restored from a copy at start).
    void MarkChanged();
    bool Pending() const { return m_timer.isActive(); }
    // Writes the copy now when there are unsaved changes; false with *error on failure.
    bool WriteNow(QString* error = nullptr);

    // Delay between the first unsaved change and the copy.
    static constexpr int kDelayMs = 2000;

    // TreeObserver: every completed change makes the tree differ from the file.
    void NodesInserted(TTreeNode*, int, int) override { MarkChanged(); }
    void NodesRemoved(TTreeNode*, int, int) override { MarkChanged(); }
    void NodeMoved(TTreeNode*) override { MarkChanged(); }
    void ChildrenSorted(TTreeNode*) override { MarkChanged(); }
    void NodeChanged(TTreeNode*) override { MarkChanged(); }
    void ContentsChanged(TZVBObject*) override { MarkChanged(); }
    void TreeReset() override { MarkChanged(); }

Q_SIGNALS:
    void Failed(const QString& message);

private:

    TItemTree& m_tree;
    QString m_path;
    QTimer m_timer;
    bool m_enabled = true;
    bool m_dirty = false;
};
