#include "platform/command_line.h"

#include <gtest/gtest.h>

using velmora::platform::CommandLine;

TEST(CommandLine, RendersPathsQuotedAndSplitsFragmentsAtBlanks) {
    CommandLine line("/opt/v/quvex");
    line.appendFragment(" -f mpeg -i ").appendArgument("/m/a b.mp4").appendFragment(" -y ");
    line.appendArgument("/o/x.mp4");
    EXPECT_EQ(line.text(), R"("/opt/v/quvex" -f mpeg -i "/m/a b.mp4" -y "/o/x.mp4")");
    EXPECT_EQ(line.arguments(), (std::vector<std::string>{"/opt/v/quvex", "-f", "mpeg", "-i",
                                                          "/m/a b.mp4", "-y", "/o/x.mp4"}));
}

TEST(CommandLine, UserTextStaysOneArgumentWhateverItHolds) {
    const std::string hostile = R"(-y "; rm -rf $HOME' -i x)";
    CommandLine line("q");
    line.appendFragment(" -metadata title=").appendArgument(hostile).appendFragment(" -i ");
    line.appendArgument("");
    EXPECT_EQ(line.arguments(),
              (std::vector<std::string>{"q", "-metadata", "title=" + hostile, "-i", ""}));
    EXPECT_EQ(line.text(), "\"q\" -metadata title=\"" + hostile + "\" -i \"\"");
}

TEST(CommandLine, RepeatedBlanksMakeNoEmptyArguments) {
    CommandLine line("q");
    line.appendFragment("  -an   -vn ");
    EXPECT_EQ(line.arguments(), (std::vector<std::string>{"q", "-an", "-vn"}));
    EXPECT_EQ(line.text(), "\"q\"  -an   -vn ");
}
