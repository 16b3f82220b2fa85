#pragma once

#include <QByteArrayView>

#include <cstdint>

// The head of a card line, the part before the colon: the property name
// without its group ("item1.EMAIL" is EMAIL), the type parameters in all
// their spellings (bare WORK, TYPE=work,voice, TYPE=WORK;TYPE=VOICE, quoted
// lists, PREF=1, TYPE=pref) and the encoding and character set of the value.
// The views point into the scanned line.
struct VCardHead
{
    QByteArrayView name;
    std::uint32_t parameters = 0;
    bool quotedPrintable = false;
    bool base64 = false;
    QByteArrayView charset;
    // Where the value starts; -1 when the line has no colon.
    qsizetype valueStart = -1;

    // False (and an empty head) when the line has no colon yet. A colon
    // inside a quoted parameter value does not end the head.
    bool Scan(QByteArrayView line);
};
