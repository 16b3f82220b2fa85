#pragma once

#include <QString>

// Exchange files (".zvd") carry subtrees between installations.
namespace ExchangeFile {

// True when the path names an exchange file: its extension is ".zvd" in any letter case.
bool IsExchangeFile(const QString& path);

} // namespace ExchangeFile
