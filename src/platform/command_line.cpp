#include "platform/command_line.h"

namespace velmora::platform {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
}  // namespace

CommandLine::CommandLine(std::string_view programPath) : program_(programPath) {
    appendArgument(programPath);
}

void CommandLine::extendToken(std::string_view piece) {
    if (!tokenOpen_) {
        arguments_.emplace_back();
        tokenOpen_ = true;
    }
    arguments_.back().append(piece);
}

CommandLine& CommandLine::appendFragment(std::string_view fragment) {
    text_.append(fragment);
    for (char c : fragment) {
        if (isBlank(c)) {
            tokenOpen_ = false;
        } else {
            extendToken(std::string_view(&c, 1));
        }
    }
    return *this;
}

CommandLine& CommandLine::appendArgument(std::string_view value) {
    text_.push_back('"');
    text_.append(value);
    text_.push_back('"');
    extendToken(value);
    return *this;
}

std::vector<std::string> CommandLine::arguments() const {
    return arguments_;
}

}  // namespace velmora::platform
