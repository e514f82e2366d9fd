#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// A tool's command line held twice: as the argument vector that is run and as
// the text a person reads (the tool's line as documented, with paths in double
// quotes). Fixed fragments are split at blanks; arguments that come from a
// user or a file are never split or re-parsed, so a name holding quotes,
// blanks or a leading '-' stays one argument and cannot add options.
class CommandLine {
  public:
    // The line starts with the tool's path, rendered in double quotes.
    explicit CommandLine(std::string_view programPath);

    // Appends literal text: each run of non-blank characters extends or starts
    // an argument; blanks end it. The text is rendered verbatim.
    CommandLine& appendFragment(std::string_view fragment);

    // Appends one value that is never split. It joins any non-blank text
    // directly before or after it into the same argument (so " title=" then a
    // value gives one argument "title=value"). Rendered in double quotes.
    CommandLine& appendArgument(std::string_view value);

    const std::string& text() const { return text_; }
    std::vector<std::string> arguments() const;
    const std::string& program() const { return program_; }

  private:
    std::string program_;
    std::string text_;
    std::vector<std::string> arguments_;
    bool tokenOpen_ = false;

    void extendToken(std::string_view piece);
};

}  // namespace velmora::platform
