#include "common/output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace lsys {
namespace {

std::string printfFixed(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%f", value);
  return buffer;
}

TEST(Output, AssemblesLiteralsTextsCharactersAndNumbers) {
  std::string text;
  {
    Output out = Output::ToString(text);
    out.text("step ");
    out.integer(-12);
    out.text(std::string_view("a\0b", 3));
    out.character('\0');
    out.character('c');
    out.fixed(0.5f);
    out.text(",");
    out.fixed(0.95703125);
    EXPECT_EQ(text, "") << "still buffered";
  }
  EXPECT_EQ(text, std::string("step -12a\0b\0c0.500000,0.957031", 30));
}

TEST(Output, FixedMatchesPrintfForFloatsDoublesAndNonFiniteValues) {
  const double values[] = {0.0,
                           -0.0,
                           0.1,  // a double that is no float: the general path
                           static_cast<double>(0.1f),
                           2.0 * static_cast<double>(3.4e38f),  // twice a float, past the range
                           0.95703125,
                           0.0078125,  // exact tie at the seventh decimal: rounds to even
                           0.0000005,
                           -0.0000005,
                           2.5e-7,
                           1.0e300,
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN(),
                           -std::numeric_limits<double>::quiet_NaN()};
  for (double value : values) {
    std::string text;
    Output::ToString(text).fixed(value);
    EXPECT_EQ(text, printfFixed(value)) << value;
  }
  for (float value : {std::numeric_limits<float>::infinity(),
                      -std::numeric_limits<float>::quiet_NaN(), -0.0f, 123.456f}) {
    std::string text;
    Output::ToString(text).fixed(value);
    EXPECT_EQ(text, printfFixed(static_cast<double>(value))) << value;
  }
}

TEST(Output, KeepsOrderAcrossTheBufferEdgeAndForLargePieces) {
  std::string expected;
  std::string text;
  {
    Output out = Output::ToString(text);
    for (int i = 0; i < 30000; ++i) {
      out.integer(i);
      out.fixed(static_cast<float>(i) / 8);
      expected += std::to_string(i) + printfFixed(static_cast<double>(static_cast<float>(i) / 8));
    }
    const std::string large(200000, 'x');
    out.text(large);
    expected += large;
    out.character('!');
    expected += '!';
  }
  EXPECT_EQ(text, expected);
}

TEST(Output, WritesToADescriptor) {
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  {
    Output out = Output::ToDescriptor(pipeEnds[1]);
    out.text("hello ");
    out.fixed(2.25f);
    EXPECT_TRUE(out.flush());
    EXPECT_FALSE(out.failed());
  }
  close(pipeEnds[1]);
  char buffer[64];
  const ssize_t length = read(pipeEnds[0], buffer, sizeof buffer);
  close(pipeEnds[0]);
  ASSERT_GT(length, 0);
  EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(length)), "hello 2.250000");
}

// What has reached the other end of a terminal or a pipe so far, without waiting.
std::string pending(int descriptor) {
  std::string text;
  char buffer[256];
  ssize_t length;
  while ((length = read(descriptor, buffer, sizeof buffer)) > 0) {
    text.append(buffer, static_cast<std::size_t>(length));
  }
  return text;
}

TEST(Output, ATerminalGetsEachLineAsItEndsAndAPipeWaitsForTheFlush) {
  int controller = -1;
  int terminal = -1;
  ASSERT_EQ(openpty(&controller, &terminal, nullptr, nullptr, nullptr), 0);
  termios raw{};
  ASSERT_EQ(tcgetattr(terminal, &raw), 0);
  cfmakeraw(&raw);  // no \r added to line feeds
  ASSERT_EQ(tcsetattr(terminal, TCSANOW, &raw), 0);
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  for (const int end : {controller, pipeEnds[0]}) {
    ASSERT_EQ(fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK), 0);
  }
  {
    Output toTerminal = Output::ToDescriptor(terminal);
    Output toPipe = Output::ToDescriptor(pipeEnds[1]);
    for (Output* out : {&toTerminal, &toPipe}) {
      out->text("step 1 >>F\nstep 2 >>");
      char* at = out->reserve(16);
      std::memcpy(at, "FF\nst", 5);
      out->commit(at + 5);
      out->text("ep");
    }
    // Like a line-buffered stream, a piece with a line feed goes out whole.
    EXPECT_EQ(pending(controller), "step 1 >>F\nstep 2 >>FF\nst");
    EXPECT_EQ(pending(pipeEnds[0]), "");
  }
  EXPECT_EQ(pending(controller), "ep");
  EXPECT_EQ(pending(pipeEnds[0]), "step 1 >>F\nstep 2 >>FF\nstep");
  for (const int end : {controller, terminal, pipeEnds[0], pipeEnds[1]}) close(end);
}

TEST(Output, RemembersAFailedWrite) {
  const int full = open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  Output out = Output::ToDescriptor(full);
  out.text("lost");
  EXPECT_FALSE(out.failed()) << "nothing written yet";
  EXPECT_FALSE(out.flush());
  EXPECT_TRUE(out.failed());
  out.text("more");
  EXPECT_FALSE(out.flush()) << "a failure stays";
  close(full);
}

TEST(Output, ADiscardingOutputDropsEverything) {
  Output out = Output::Discarding();
  EXPECT_TRUE(out.discarding());
  out.text(std::string(100000, 'x'));
  out.fixed(1.0f);
  out.integer(5);
  EXPECT_TRUE(out.flush());
  EXPECT_FALSE(out.failed());
}

TEST(Output, AMovedOutputKeepsItsText) {
  std::string text;
  Output first = Output::ToString(text);
  first.text("kept");
  Output second(std::move(first));
  EXPECT_TRUE(first.discarding());
  second.text(" and more");
  second.flush();
  EXPECT_EQ(text, "kept and more");
}

// Doubles in general, not only those that hold a float, through the output's "%f": each value
// is compared with printf's text, with one output for all of them (making an output per value
// would cost more than the formatting).
class FixedChecker {
 public:
  FixedChecker() : output_(Output::ToString(text_)) {}

  void expectLikePrintf(double value, const std::string& label) {
    text_.clear();
    output_.fixed(value);
    output_.flush();
    EXPECT_EQ(text_, printfFixed(value)) << label;
  }

 private:
  std::string text_;
  Output output_;
};

TEST(OutputFixedDouble, MatchesPrintfOnManyFloats) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<std::uint32_t> bits;
  FixedChecker checker;
  for (int i = 0; i < 200000; ++i) {
    const std::uint32_t pattern = bits(random);
    float value;
    std::memcpy(&value, &pattern, sizeof value);
    checker.expectLikePrintf(value, std::to_string(pattern));
  }
}

TEST(OutputFixedDouble, MatchesPrintfOnTiesAndSmallDyadics) {
  // k / 2^n has a finite decimal expansion; many of them are exact ties at six decimals.
  FixedChecker checker;
  for (int n = 1; n <= 30; ++n) {
    for (int k = -300; k <= 300; ++k) {
      const double value = std::ldexp(static_cast<double>(k), -n);
      checker.expectLikePrintf(value, std::to_string(k) + " / 2^" + std::to_string(n));
    }
  }
}

TEST(Output, CountingTakesEveryByteAndWritesNone) {
  // Pieces below, across and far beyond the buffer's size, numbers included.
  std::string expected;
  Output counter = Output::Counting();
  {
    Output copy = Output::ToString(expected);
    for (int round = 0; round < 3; ++round) {
      const std::string large(200'000 * static_cast<std::size_t>(round), 'x');
      for (Output* out : {&counter, &copy}) {
        out->text("cone { ");
        out->fixed(0.1f);
        out->integer(-42);
        out->text(large);
        out->character('\n');
      }
    }
  }
  EXPECT_FALSE(counter.discarding());
  EXPECT_EQ(counter.counted(), expected.size());
  EXPECT_TRUE(counter.flush());
  EXPECT_EQ(counter.counted(), expected.size());
  EXPECT_EQ(Output::Discarding().counted(), 0u);
}

}  // namespace
}  // namespace lsys
