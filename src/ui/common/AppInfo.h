#pragma once

#include <QString>

// The product's name, version and build date, for the title bar and the About box.
namespace AppInfo {
QString ProductName();
QString Version();
QString BuildDate();
} // namespace AppInfo
