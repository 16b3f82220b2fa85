#include "ui/common/UiResources.h"

#include <QtGlobal>

void InitUiResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(done);
}
