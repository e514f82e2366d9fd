#include "catalogue/format_catalogue.h"

#include <gtest/gtest.h>

namespace velmora::catalogue {
namespace {

TEST(FormatCatalogue, HoldsEveryFormatOnce) {
    FormatCatalogue catalogue;
    buildCatalogue(catalogue);
    EXPECT_EQ(catalogue.size(), 79u);
}

}  // namespace
}  // namespace velmora::catalogue
