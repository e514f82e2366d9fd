#pragma once

#include <string>
#include <string_view>

namespace velmora::platform {

// The desktop's shell: opening documents, folders and web addresses with their
// default applications, and showing a file in the file manager. Code that
// needs the shell takes a Shell& so that tests can hand in a fake and never
// start a browser or a file manager.
class Shell {
  public:
    virtual ~Shell() = default;

    // Opens a file, a folder or an address (https://…) with the desktop's
    // default application, detached from this program. False when the opener
    // could not be started; what the opened application does is not reported.
    virtual bool open(std::string_view target) = 0;

    // Shows the file manager with the file selected; where no file manager
    // answers on the session bus, opens the file's folder instead.
    virtual bool showSelected(std::string_view filePath) = 0;
};

// The real shell: xdg-open and org.freedesktop.FileManager1 over the session bus.
Shell& systemShell();

// The outcome of asking the system to power off.
struct PowerOffResult {
    bool accepted = false;
    std::string errorText;  // the system's refusal text when not accepted
};

// Powering the machine off, behind an interface that tests replace.
class PowerControl {
  public:
    virtual ~PowerControl() = default;

    // Asks the login manager to power off (not forced: sessions may still
    // refuse or ask the user), as `systemctl poweroff` does.
    virtual PowerOffResult powerOff() = 0;
};

PowerControl& systemPowerControl();

}  // namespace velmora::platform
