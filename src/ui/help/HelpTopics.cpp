#include "ui/help/HelpTopics.h"

#include <map>

namespace HelpTopics {
namespace {

const std::map<int, const char16_t*>& Table()
{
    static const std::map<int, const char16_t*> table = {
        {Contents, u"index.html#contents"},
        {1001, u"tree.html#tree"},
        {1002, u"tree.html#kinds"},
        {1003, u"tree.html#views"},
        {1004, u"tree.html#toolbars"},
        {1005, u"tree.html#tray"},
        {1006, u"items.html#person"},
        {1007, u"items.html#organization"},
        {1008, u"items.html#primary"},
        {1009, u"items.html#contact"},
        {1010, u"items.html#document"},
        {1011, u"items.html#website"},
        {1012, u"editing.html#new"},
        {1013, u"editing.html#clipboard"},
        {1014, u"editing.html#dragdrop"},
        {1015, u"editing.html#save"},
        {1016, u"find.html#find"},
        {1017, u"find.html#filters"},
        {1018, u"find.html#categories"},
        {1019, u"dates.html#dates"},
        {1020, u"dates.html#recurring"},
        {1021, u"dates.html#due"},
        {1022, u"communicate.html#dialing"},
        {1023, u"communicate.html#callerid"},
        {1024, u"communicate.html#email"},
        {1025, u"communicate.html#fax"},
        {1026, u"communicate.html#web"},
        {1027, u"exchange.html#import"},
        {1028, u"exchange.html#zvd"},
        {1029, u"exchange.html#vcard"},
        {1030, u"exchange.html#delimited"},
        {1031, u"exchange.html#html"},
        {1032, u"exchange.html#remote"},
        {1033, u"printing.html#reports"},
        {1034, u"printing.html#labels"},
        {1035, u"printing.html#envelopes"},
        {1036, u"options.html#tools"},
        {1037, u"keyboard.html#help"},
        {1038, u"files.html#files"},
        {ItemDialogs, u"items.html"},
        {OptionsDialog, u"options.html"},
        {1041, u"items.html#categories"},
        {1042, u"files.html#cli"},
    };
    return table;
}

} // namespace

QString Topic(int context)
{
    const auto it = Table().find(context);
    return it == Table().end() ? QString() : QString::fromUtf16(it->second);
}

QUrl ContentsUrl()
{
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

QUrl Url(int context)
{
    const QString topic = Topic(context);
    return topic.isEmpty() ? ContentsUrl() : QUrl(u"qrc:/help/" + topic);
}

QList<int> Contexts()
{
    QList<int> numbers;
    for (const auto& [number, topic] : Table())
        numbers.append(number);
    return numbers;
}

} // namespace HelpTopics
