#pragma once

#include "model/TextCodec.h"

#include <QByteArrayView>
#include <QString>

// Hands out the records of a comma-separated file one at a time, so that an
// import holds the file's bytes and one record, never a list of its lines.
//
// Physical lines: UTF-16 with a byte order mark (either byte order) ends a
// line at LF only, dropping a CR before it, so a bare CR stays in the text;
// anything else reads as TextCodec::LineReader does (UTF-8 with or without
// its mark, Windows-1252 for a line that is not UTF-8, CR LF, LF or CR alone
// ending a line). A last line without a line end is kept; an empty tail after
// the last line end is not.
//
// Records: a line that leaves a quoted stretch open continues on the next
// line, joined by LF. A stray quote must not swallow the rest of a file: a
// stretch still open after kMaxRecordLines lines, or once the record passes
// kMaxRecordChars, or at the end of the file, ends the record with its first
// line, and reading goes on from the line after that.
class DelimitedRecordReader
{
public:
    static constexpr int kMaxRecordLines = 256;
    static constexpr qsizetype kMaxRecordChars = qsizetype(1) << 20;

    // With Tab, every tab of a line becomes a comma before anything else, so
    // commas in the text separate too.
    enum class Separator { Comma, Tab };

    // The bytes must outlive the reader.
    explicit DelimitedRecordReader(QByteArrayView bytes, Separator separator = Separator::Comma);

    // Passes over the first line when it is exactly this text (a header row
    // already recognised); call before the first Next.
    void SkipFirstLineIf(const QString& text);

    // The next record, empty ones included; false at the end. The caller's
    // string keeps its capacity from record to record.
    bool Next(QString& record);

    // The first physical line of the bytes, as the reader decodes it.
    static QString FirstLine(QByteArrayView bytes);

private:
    // Where reading stands, to come back to when a stretch stays open. A
    // copy of the line reader is its position: it shares the bytes.
    struct Mark
    {
        TextCodec::LineReader lines;
        qsizetype textAt;
    };

    bool NextLine(QString& line);
    Mark Here() const { return {m_lines, m_textAt}; }
    void Return(const Mark& mark);

    Separator m_separator;
    TextCodec::LineReader m_lines; // all but UTF-16 input
    QString m_utf16Text;           // UTF-16 input, decoded whole
    bool m_utf16 = false;
    qsizetype m_textAt = 0;
    QString m_line; // the continuation line being joined
};
