#include "reports/ReportBand.h"

#include <stdexcept>

TReportControl& TReportBand::AddLabel(const QString& name, const QRect& box, const QString& text)
{
    TReportControl control;
    control.name = name;
    control.box = box;
    control.font = font;
    control.SetText(text);
    controls.push_back(std::move(control));
    return controls.back();
}

TReportControl& TReportBand::AddMemo(const QString& name, const QRect& box, const QStringList& lines)
{
    TReportControl& control = AddLabel(name, box);
    control.kind = TReportControl::Kind::Memo;
    control.lines = lines;
    return control;
}

TReportControl& TReportBand::Control(const QString& name)
{
    for (TReportControl& control : controls)
        if (control.name == name)
            return control;
    throw std::out_of_range("no report control " + name.toStdString());
}

const TReportControl& TReportBand::Control(const QString& name) const
{
    return const_cast<TReportBand*>(this)->Control(name);
}
