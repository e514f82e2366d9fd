#include "platform/bass/bass.h"

#include <mutex>
#include <utility>

namespace velmora::platform::bass {

namespace {

std::string_view fileName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The library's state is the process's. Plug-ins are part of this program;
// loading one by path makes its formats available until it is freed.
class OwnAudioLibrary : public AudioLibrary {
  public:
    std::uint32_t getVersion() override { return kVersion; }

    // Nothing plays, so the update period (the one option) has no effect.
    bool setConfig(std::uint32_t option, std::uint32_t /*value*/) override {
        return option == kConfigUpdatePeriod;
    }

    bool init(int device, std::uint32_t /*frequency*/, std::uint32_t /*flags*/) override {
        // Decoding only: the device without sound output is the one device.
        std::lock_guard lock(mutex_);
        if (device != kNoSoundDevice || initialised_) {
            return false;
        }
        initialised_ = true;
        return true;
    }

    PluginHandle pluginLoad(std::string_view path, std::uint32_t /*flags*/) override {
        if (fileName(path) != kCdPluginName) {
            return 0;
        }
        std::lock_guard lock(mutex_);
        if (!cdPlugin_) {
            cdPlugin_ = kCdPluginHandle;
        }
        return cdPlugin_;
    }

    bool free() override {
        std::lock_guard lock(mutex_);
        return std::exchange(initialised_, false);
    }

    bool pluginFree(PluginHandle handle) override {
        std::lock_guard lock(mutex_);
        if (cdPlugin_ == 0 || (handle != 0 && handle != cdPlugin_)) {
            return false;
        }
        cdPlugin_ = 0;
        return true;
    }

    bool cdPluginLoaded() {
        std::lock_guard lock(mutex_);
        return cdPlugin_ != 0;
    }

  private:
    static constexpr PluginHandle kCdPluginHandle = 0x434400;
    std::mutex mutex_;
    bool initialised_ = false;
    PluginHandle cdPlugin_ = 0;
};

OwnAudioLibrary& library() {
    static OwnAudioLibrary instance;
    return instance;
}

}  // namespace

AudioLibrary& audioLibrary() {
    return library();
}

bool cdPluginLoaded() {
    return library().cdPluginLoaded();
}

}  // namespace velmora::platform::bass
