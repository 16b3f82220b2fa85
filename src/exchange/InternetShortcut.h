#pragma once

#include <QByteArrayView>
#include <QString>

// The fields of an Internet shortcut (".url") file.
struct ShortcutFields
{
    QString url;
    QString workingDirectory;
    int hotKey = 0;
    int showCommand = 1;
};

// Reads the text of a shortcut: lines "name=value" with names compared
// ignoring case, the first line of each name counting. Lines inside the
// [InternetShortcut] section win; a file without that section is read
// whole. LF or CR LF, a UTF-8 or UTF-16 byte order mark and blank lines are
// all accepted. A HotKey that is no number gives 0, a ShowCommand that is no
// number gives 1. Bytes beyond the shortcut cap are not looked at.
ShortcutFields ParseShortcut(QByteArrayView bytes);

// One Internet shortcut file.
class TIShortCut
{
public:
    const QString& FileName() const { return m_fileName; }
    // A name without the ".url" extension (in any case) gets it appended;
    // a name that is nothing but the extension is cleared.
    void SetFileName(const QString& fileName);
    // Reads FileName; throws EReadError when it cannot be read.
    void Load();

    const QString& Url() const { return m_fields.url; }
    const QString& WorkingDirectory() const { return m_fields.workingDirectory; }
    int HotKey() const { return m_fields.hotKey; }
    int ShowCommand() const { return m_fields.showCommand; }

private:
    QString m_fileName;
    ShortcutFields m_fields;
};
