#include "comm/WaitPump.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

std::function<void()>& Callback()
{
    static std::function<void()> callback;
    return callback;
}

} // namespace

namespace WaitPump {

void Pump()
{
    if (const auto& callback = Callback())
        callback();
    else
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void SetCallback(std::function<void()> callback)
{
    Callback() = std::move(callback);
}

} // namespace WaitPump
