#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/finite.h"
#include "common/write_all.h"
#include "turtle/primitives.h"

namespace lsys {
namespace {

TEST(IsFiniteSegment, RejectsAnyInfOrNanInEitherPointOrRadius) {
  const float kInf = std::numeric_limits<float>::infinity();
  const float kNan = std::numeric_limits<float>::quiet_NaN();
  const Segment good{{0, 0, 0}, {0, 0, 1}, 0.1f, 0.2f};
  EXPECT_TRUE(IsFiniteSegment(good));
  // Each of the eight values in turn.
  for (int field = 0; field < 8; ++field) {
    for (float bad : {kInf, -kInf, kNan}) {
      Segment s = good;
      float* values[] = {&s.start.x, &s.start.y, &s.start.z,     &s.end.x,
                         &s.end.y,   &s.end.z,   &s.startRadius, &s.endRadius};
      *values[field] = bad;
      EXPECT_FALSE(IsFiniteSegment(s)) << "field " << field << " = " << bad;
    }
  }
  EXPECT_TRUE(IsFinitePoint(Vector3f{3.4e38f, -3.4e38f, 0}));
}

TEST(WriteAll, WritesEveryByteThroughAPipeAndFailsOnAFullDevice) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const std::string text(30000, 'x');  // within the pipe's buffer: no reader needed
  EXPECT_TRUE(WriteAll(ends[1], text.data(), text.size()));
  ::close(ends[1]);
  std::string read;
  char buffer[4096];
  for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;) {
    read.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(ends[0]);
  EXPECT_EQ(read, text);

  const int full = ::open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  EXPECT_FALSE(WriteAll(full, text.data(), text.size()));
  ::close(full);
}

}  // namespace
}  // namespace lsys
