#include "app/message_pump.h"

#include <utility>

namespace velmora::app {

namespace {

std::function<void()>& installedPump() {
    static std::function<void()> pump;
    return pump;
}

}  // namespace

void setMessagePump(std::function<void()> pump) {
    installedPump() = std::move(pump);
}

void pumpMessages() {
    if (const auto& pump = installedPump()) {
        pump();
    }
}

}  // namespace velmora::app
