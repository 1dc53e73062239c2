#include "description/scan_number.h"

#include <gtest/gtest.h>

namespace lsys {
namespace {

TEST(ScanNumber, ReadsGamma) { EXPECT_EQ(ScanNumber("gamma=25\n", 6), 25.0f); }

}  // namespace
}  // namespace lsys
