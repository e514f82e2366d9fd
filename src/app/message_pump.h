#pragma once

#include <functional>

namespace velmora::app {

// Long loops on the user-interface thread call pumpMessages between their
// steps so that windows repaint and Cancel buttons work. The front end
// installs its event processing (Qt: QCoreApplication::processEvents); with
// none installed pumpMessages does nothing. UI thread only.
void setMessagePump(std::function<void()> pump);
void pumpMessages();

}  // namespace velmora::app
