#include "comm/ModemCallerIdFields.h"

#include "comm/TCallerID.h"
#include "model/TextCodec.h"

bool ModemCallerIdFields::Feed(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return false;
    const QByteArray key = line.left(equals).trimmed().toUpper();
    // The network's bytes, whatever they are: decoded as text and cut.
    const QString value = TCallerID::Sanitize(TextCodec::DecodeLine(line.mid(equals + 1).trimmed()),
                                              TCallerID::MaxNameLength);
    if (key == "DATE")
        m_report.date = value;
    else if (key == "TIME")
        m_report.time = value;
    else if (key == "NMBR") {
        m_sawNumber = true;
        if (value == u"P")
            m_report.flags |= TCallerID::Blocked;
        else if (value == u"O")
            m_report.flags |= TCallerID::OutOfArea;
        else if (!value.isEmpty()) {
            m_report.number = value.left(TCallerID::MaxNumberLength);
            m_report.flags |= TCallerID::HasAddress;
        }
    } else if (key == "NAME") {
        if (value == u"P" || value == u"O") {
            // A withheld name beside a number only hides the name.
            if (!m_sawNumber)
                m_report.flags |= value == u"P" ? TCallerID::Blocked : TCallerID::OutOfArea;
        } else if (!value.isEmpty()) {
            m_report.name = value;
            m_report.flags |= TCallerID::HasName;
        }
    } else if (key != "MESG" && key != "DDN_NMBR") {
        return false;
    }
    m_pending = true;
    return true;
}

ModemCallerIdFields::Report ModemCallerIdFields::Take()
{
    Report report = std::exchange(m_report, {});
    if (!(report.flags & (TCallerID::Blocked | TCallerID::OutOfArea | TCallerID::HasAddress | TCallerID::HasName)))
        report.flags |= TCallerID::Unavail;
    m_pending = false;
    m_sawNumber = false;
    return report;
}
