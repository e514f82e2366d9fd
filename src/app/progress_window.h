#pragma once

#include <string_view>

namespace velmora::app {

// The small window shown while files are searched, added or loaded: a status
// line, a percentage label, a progress bar and a Cancel button. Its owner
// writes the labels and the bar between the steps of a long loop on the
// user-interface thread and polls cancelled(). Cancel (or Esc) only sets the
// flag; the window stays open until its owner closes it.
class ProgressWindow {
  public:
    virtual ~ProgressWindow() = default;

    virtual void setStatusText(std::string_view text) = 0;
    virtual void setPercentText(std::string_view text) = 0;

    // The bar's width in pixels (owners use it as the bar's range).
    virtual int barWidth() const = 0;
    virtual void setRange(int low, int high) = 0;
    virtual void setPosition(int position) = 0;
    virtual void setStep(int step) = 0;
    virtual void stepIt() = 0;  // advances the position by the step

    virtual bool cancelled() const = 0;

    virtual void close() = 0;
};

}  // namespace velmora::app
