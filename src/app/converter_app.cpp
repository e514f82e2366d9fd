#include "app/converter_app.h"

#include <utility>

#include "app/path_helpers.h"
#include "app/random.h"
#include "app/tool_paths.h"

namespace velmora::app {

namespace {

constexpr std::uint32_t kAudioFrequency = 44100;

// The plug-ins loaded from the program folder at start-up.
constexpr std::string_view kAudioPlugins[] = {platform::bass::kCdPluginName};

std::string missingFilesText() {
    std::string text(kMissingFilesMessage);
    text.replace(text.find("%s"), 2, kApplicationName);
    return text;
}

}  // namespace

ConverterApp::ConverterApp(StartupFrontEnd& frontEnd, platform::Shell& shell,
                           platform::bass::AudioLibrary& audio,
                           std::optional<std::string> programFolder)
    : frontEnd_(frontEnd), shell_(shell), audio_(audio), programFolder_(std::move(programFolder)) {}

bool ConverterApp::InitInstance() {
    frontEnd_.setApplicationName(kApplicationName);
    if (!programFolder_) {
        programFolder_ = programFolder();
    }
    if (!converterToolPresent()) {
        if (frontEnd_.askYesNoError(kApplicationName, missingFilesText())) {
            shell_.open(kDownloadPageAddress);
        }
        return false;
    }
    // The toolkit and its controls are ready before start-up runs (the front
    // end made them), so nothing of that is done here.
    seedRandom(startupRandomSeed());
    if (!startAudioLibrary()) {
        return false;
    }
    frontEnd_.runMainWindow();
    return false;
}

int ConverterApp::ExitInstance() {
    audio_.free();
    audio_.pluginFree(0);
    return 0;
}

// Any file or folder at the tool's path will do; what it is shows when it runs.
bool ConverterApp::converterToolPresent() {
    return pathExists(converterToolPath(*programFolder_));
}

bool ConverterApp::startAudioLibrary() {
    if ((audio_.getVersion() >> 16) != (platform::bass::kVersion >> 16)) {
        return false;
    }
    audio_.setConfig(platform::bass::kConfigUpdatePeriod, 0);
    if (!audio_.init(platform::bass::kNoSoundDevice, kAudioFrequency, 0)) {
        frontEnd_.showError(kApplicationName, kAudioStartFailedMessage);
        return false;
    }
    loadAudioPlugins();
    return true;
}

// Without a program folder no plug-in is loaded; a plug-in that fails to load
// only means its formats will not open.
void ConverterApp::loadAudioPlugins() {
    if (programFolder_->empty()) {
        return;
    }
    for (std::string_view plugin : kAudioPlugins) {
        audio_.pluginLoad(*programFolder_ + std::string(plugin), platform::bass::kUnicode);
    }
}

}  // namespace velmora::app
