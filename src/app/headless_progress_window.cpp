#include "app/headless_progress_window.h"

#include <algorithm>

namespace velmora::app {

// The bar keeps its position within its range, as a progress bar does.
void HeadlessProgressWindow::setRange(int low, int high) {
    low_ = low;
    high_ = high;
    setPosition(position_);
}

void HeadlessProgressWindow::setPosition(int position) {
    position_ = std::clamp(position, low_, std::max(low_, high_));
}

void HeadlessProgressWindow::stepIt() {
    setPosition(position_ + step_);
}

}  // namespace velmora::app
