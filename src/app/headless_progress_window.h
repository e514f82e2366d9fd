#pragma once

#include <string>

#include "app/progress_window.h"

namespace velmora::app {

// A ProgressWindow without a window: it keeps what its owner wrote, for tests
// and for front ends that show no progress window. requestCancel() plays the
// Cancel button.
class HeadlessProgressWindow : public ProgressWindow {
  public:
    explicit HeadlessProgressWindow(int barWidth = 400) : barWidth_(barWidth) {}

    void setStatusText(std::string_view text) override { status_ = text; }
    void setPercentText(std::string_view text) override { percent_ = text; }
    int barWidth() const override { return barWidth_; }
    void setRange(int low, int high) override;
    void setPosition(int position) override;
    void setStep(int step) override { step_ = step; }
    void stepIt() override;
    bool cancelled() const override { return cancelled_; }
    void close() override { closed_ = true; }

    void requestCancel() { cancelled_ = true; }

    const std::string& status() const { return status_; }
    const std::string& percent() const { return percent_; }
    int low() const { return low_; }
    int high() const { return high_; }
    int position() const { return position_; }
    int step() const { return step_; }
    bool closed() const { return closed_; }

  private:
    int barWidth_;
    std::string status_;
    std::string percent_;
    int low_ = 0;
    int high_ = 100;
    int position_ = 0;
    int step_ = 10;
    bool cancelled_ = false;
    bool closed_ = false;
};

}  // namespace velmora::app
