#pragma once

#include <cstdint>
#include <string_view>

namespace velmora::platform::bass {

// Our audio library: the calls of the vendor library that Velmora makes, with
// the vendor's option numbers, flags and results, implemented by us. Only CD
// audio reading goes through it. The application takes an AudioLibrary& so
// that tests can stand in another version or a failing start.
inline constexpr std::uint32_t kVersion = 0x02040000;  // 2.4.0.0; high 16 bits 0x0204
inline constexpr std::uint32_t kConfigUpdatePeriod = 1;
inline constexpr std::uint32_t kUnicode = 0x80000000;
inline constexpr int kNoSoundDevice = 0;

// The CD-audio plug-in, loaded by path from the program folder.
inline constexpr std::string_view kCdPluginName = "libbasscd.so";

using PluginHandle = std::uint32_t;  // 0 when a plug-in failed to load

class AudioLibrary {
  public:
    virtual ~AudioLibrary() = default;

    virtual std::uint32_t getVersion() = 0;
    virtual bool setConfig(std::uint32_t option, std::uint32_t value) = 0;
    // device 0 is the device without sound output; flags 0, no window.
    virtual bool init(int device, std::uint32_t frequency, std::uint32_t flags) = 0;
    virtual PluginHandle pluginLoad(std::string_view path, std::uint32_t flags) = 0;
    virtual bool free() = 0;
    // handle 0 frees every plug-in.
    virtual bool pluginFree(PluginHandle handle) = 0;
};

// The process-wide library (its state is the process's, as with the vendor's).
AudioLibrary& audioLibrary();

// Whether the CD-audio plug-in is loaded at the moment.
bool cdPluginLoaded();

}  // namespace velmora::platform::bass
