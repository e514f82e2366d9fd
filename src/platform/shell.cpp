#include "platform/shell.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/helper_process.h"

namespace velmora::platform {

namespace {

// Starts a program detached: a shell puts it in the background of a new
// session and ends at once, so the program outlives nothing of ours and
// leaves no child behind. Its output is discarded.
bool startDetached(std::vector<std::string> argv) {
    argv.insert(argv.begin(), {"/bin/sh", "-c", "\"$@\" &", "sh"});
    std::optional<HelperProcess> starter =
        HelperProcess::start(argv, HelperOptions{Capture::None, false, true});
    return starter && starter->wait() == 0;
}

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

// A file:// address for an absolute path, every other byte percent-encoded
// (so no ',' remains to split dbus-send's array argument).
std::string fileAddress(const std::string& absolutePath) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (unsigned char c : absolutePath) {
        if (isUnreserved(c)) {
            address.push_back(static_cast<char>(c));
        } else {
            address.push_back('%');
            address.push_back(kHex[c >> 4]);
            address.push_back(kHex[c & 0xF]);
        }
    }
    return address;
}

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

class DesktopShell : public Shell {
  public:
    bool open(std::string_view target) override {
        std::optional<std::string> opener = findOnPath("xdg-open");
        return opener && startDetached({*opener, std::string(target)});
    }

    bool showSelected(std::string_view filePath) override {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(filePath, error);
        if (error) {
            return false;
        }
        return askFileManager(absolute.string()) || open(absolute.parent_path().string());
    }

  private:
    static bool askFileManager(const std::string& absolutePath) {
        std::optional<std::string> sender = findOnPath("dbus-send");
        if (!sender) {
            return false;
        }
        std::optional<HelperResult> result = runHelper({
            *sender,
            "--session",
            "--print-reply",
            "--reply-timeout=5000",
            "--dest=org.freedesktop.FileManager1",
            "/org/freedesktop/FileManager1",
            "org.freedesktop.FileManager1.ShowItems",
            "array:string:" + fileAddress(absolutePath),
            "string:",
        });
        return result && result->status == 0;
    }
};

class LoginManagerPower : public PowerControl {
  public:
    PowerOffResult powerOff() override {
        std::optional<std::string> systemctl = findOnPath("systemctl");
        std::optional<HelperResult> result;
        if (systemctl) {
            result = runHelper({*systemctl, "poweroff"});
        }
        if (!result) {
            return {false, "systemctl could not be started"};
        }
        if (result->status != 0) {
            return {false, trimmed(result->output)};
        }
        return {true, {}};
    }
};

}  // namespace

Shell& systemShell() {
    static DesktopShell shell;
    return shell;
}

PowerControl& systemPowerControl() {
    static LoginManagerPower power;
    return power;
}

}  // namespace velmora::platform
