#include "translations.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>

namespace velmora::quvex {

namespace {

using Position = Arguments::iterator;

// The argument after "-i" is an input's name, never an option.
bool isInputName(const Arguments& arguments, std::size_t index) {
    return index > 0 && arguments[index - 1] == "-i";
}

bool isVideoFilterOption(std::string_view argument) {
    return argument == "-vf" || argument == "-filter:v";
}

// "-deinterlace" was removed from ffmpeg; the yadif filter does its work. It
// goes first in every video filter chain already given (a second -vf would
// replace the first), or into a new -vf where -deinterlace stood.
void deinterlaceWithYadif(Arguments& arguments) {
    Arguments kept;
    std::optional<std::size_t> firstAt;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "-deinterlace" || isInputName(arguments, i)) {
            kept.push_back(arguments[i]);
        } else if (!firstAt) {
            firstAt = kept.size();
        }
    }
    if (!firstAt) {
        return;
    }
    arguments = std::move(kept);
    bool chained = false;
    for (Position at = arguments.begin(); at != arguments.end(); ++at) {
        if (isVideoFilterOption(*at) && std::next(at) != arguments.end()) {
            std::string& chain = *++at;
            chain = chain.empty() ? "yadif" : "yadif," + chain;
            chained = true;
        }
    }
    if (!chained) {
        arguments.insert(arguments.begin() + static_cast<std::ptrdiff_t>(*firstAt),
                         {"-vf", "yadif"});
    }
}

// The concat input refuses absolute paths in its list unless "-safe 0"
// stands among its options, before its "-i".
void allowAbsoluteConcatPaths(Arguments& arguments) {
    for (Position at = arguments.begin(); at != arguments.end(); ++at) {
        if (*at != "-f" || std::next(at) == arguments.end() || *std::next(at) != "concat") {
            continue;
        }
        const Position input = std::find(at, arguments.end(), "-i");
        if (input == arguments.end() || std::find(at, input, "-safe") != input) {
            continue;
        }
        at = arguments.insert(input, {"-safe", "0"}) + 2;
    }
}

struct Translation {
    std::string_view what;
    void (*apply)(Arguments&);
};

constexpr Translation kTranslations[] = {
    {"-deinterlace became the yadif filter", deinterlaceWithYadif},
    {"the concat input needs -safe 0 for absolute paths", allowAbsoluteConcatPaths},
};

}  // namespace

Arguments translateArguments(Arguments arguments) {
    for (const Translation& translation : kTranslations) {
        translation.apply(arguments);
    }
    return arguments;
}

}  // namespace velmora::quvex
