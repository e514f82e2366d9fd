#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/startup_front_end.h"
#include "platform/bass/bass.h"
#include "platform/shell.h"

namespace velmora::app {

inline constexpr std::string_view kApplicationName = "Velmora";

// The product's download page, opened when the program finds itself incomplete.
inline constexpr std::string_view kDownloadPageAddress = "https://velmora.app/download";

// Shown when the converter tool is missing; %s is the application name.
inline constexpr std::string_view kMissingFilesMessage =
    "%s could not start up. Some files of the program are missing or corrupted.\n\nPlease "
    "re-download the program and then install it again. Do you want to download it now?";

inline constexpr std::string_view kAudioStartFailedMessage =
    "Failed to initialize the software (0x0002020).";

// The application object: checks that the program is complete, prepares the
// audio library and runs the main window for the whole life of the program.
class ConverterApp {
  public:
    // programFolder: the folder the tools are looked for in, ending with '/';
    // none means the folder of the running executable.
    ConverterApp(StartupFrontEnd& frontEnd, platform::Shell& shell,
                 platform::bass::AudioLibrary& audio,
                 std::optional<std::string> programFolder = std::nullopt);

    // Always false: the program ends when it returns (after ExitInstance).
    bool InitInstance();

    // Releases the audio library; runs whether or not start-up got that far.
    // Returns the process's exit code.
    int ExitInstance();

  private:
    StartupFrontEnd& frontEnd_;
    platform::Shell& shell_;
    platform::bass::AudioLibrary& audio_;
    std::optional<std::string> programFolder_;

    bool converterToolPresent();
    bool startAudioLibrary();
    void loadAudioPlugins();
};

}  // namespace velmora::app
