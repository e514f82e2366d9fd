#pragma once

#include <string_view>

namespace velmora::app {

// What start-up needs of the windowing front end. The Qt front end implements
// it in the GUI; tests implement it with a recording fake.
class StartupFrontEnd {
  public:
    virtual ~StartupFrontEnd() = default;

    // The name that captions the front end's message boxes.
    virtual void setApplicationName(std::string_view name) = 0;

    // A question with the error icon and the buttons Yes and No; true for Yes.
    virtual bool askYesNoError(std::string_view caption, std::string_view text) = 0;

    // A message with the error icon and an OK button.
    virtual void showError(std::string_view caption, std::string_view text) = 0;

    // Builds the main window, shows it and runs it until it closes; the window
    // is destroyed before this returns.
    virtual void runMainWindow() = 0;
};

}  // namespace velmora::app
