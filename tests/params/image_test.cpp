#include "params/image.h"

#include <gtest/gtest.h>

namespace tz {
namespace {

TEST(Encoding, Tps100) {
    EXPECT_EQ(encoding::encodeTps100(2500), 0);
    EXPECT_EQ(encoding::encodeTps100(4750), 225);
    EXPECT_EQ(encoding::decodeTps100(0), 2500);
}

}  // namespace
}  // namespace tz
