#include "exchange/ExchangeFile.h"

namespace ExchangeFile {

bool IsExchangeFile(const QString& path)
{
    return path.endsWith(u".zvd", Qt::CaseInsensitive);
}

} // namespace ExchangeFile
