#pragma once

// Registers the icons, help pages and tips compiled into the ui library.
// The library is static, so its resource object is pulled in only through
// this call; every class that reads ":/..." makes it first. Cheap to repeat.
void InitUiResources();
