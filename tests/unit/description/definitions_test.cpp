#include "description/definitions.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace lsys {
namespace {

bool IsAsciiAlnum(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The substitution as a walk that tries every definition in table order at each column.
std::string TryEveryName(const std::string& line, const std::vector<Definition>& definitions) {
  std::size_t end = line.find('\n');
  if (end == std::string::npos) end = line.size();
  std::string text;
  std::size_t column = 0;
  while (column < end) {
    if (column == 0 || !IsAsciiAlnum(line[column - 1])) {
      const Definition* match = nullptr;
      for (const Definition& d : definitions) {
        const std::size_t after = column + d.name.size();
        if (line.compare(column, d.name.size(), d.name) == 0 && after <= line.size() &&
            (after == line.size() || !IsAsciiAlnum(line[after]))) {
          match = &d;
          break;
        }
      }
      if (match != nullptr) {
        text += match->value;
        column += match->name.size();
        continue;
      }
    }
    text.push_back(line[column++]);
  }
  return text;
}

TEST(DefinitionTable, SameTextAsTryingEveryNameInTableOrder) {
  // Names of any characters and lengths, overlapping and repeated, on random lines.
  std::mt19937 random(7);
  const std::string alphabet = "ab1 +-(\n";
  auto word = [&](std::size_t most) {
    std::string text(1 + random() % most, 'a');
    for (char& c : text) c = alphabet[random() % (alphabet.size() - 1)];  // no line feed
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    std::vector<Definition> definitions;
    const std::size_t count = random() % 6;
    for (std::size_t k = 0; k < count; ++k) definitions.push_back({word(3), word(3)});
    std::string line = word(12);
    if (random() % 2 == 0) line += "\n" + word(3);
    EXPECT_EQ(SubstituteDefinitions(line, definitions), TryEveryName(line, definitions))
        << "line [" << line << "] round " << round;
  }
}

TEST(DefinitionTable, TheFirstMatchingNameInTableOrderWins) {
  const std::vector<Definition> definitions = {
      {"ab", "L"}, {"a", "S"}, {"+x", "P"}, {" a", "B"}, {"ab", "second"}};
  const DefinitionTable table(definitions);
  EXPECT_EQ(table.matchAt("ab->a", 0), 0u);  // the longer name stands first
  EXPECT_EQ(table.matchAt("ab->a", 4), 1u);
  EXPECT_EQ(table.matchAt("abc", 0), static_cast<std::size_t>(-1));  // a word goes on
  EXPECT_EQ(table.matchAt("A->+x", 3), 2u);  // a name may begin with punctuation
  EXPECT_EQ(table.matchAt("A-> a", 3), 3u);  // or with a blank
  std::vector<Substitution> made;
  EXPECT_EQ(SubstituteDefinitions("ab->a+x\n", table, &made), "L->S+x");
  ASSERT_EQ(made.size(), 2u);
  EXPECT_EQ(made[1].lineColumn, 4u);
  EXPECT_EQ(made[1].textColumn, 3u);
  EXPECT_EQ(made[1].definition, 1u);
}

TEST(LineColumnOf, MapsRuleTextColumnsBackToTheLine) {
  // "r->F(r*2)" with r = "0.25": the rule text is "0.25->F(0.25*2)".
  const std::vector<Substitution> made = {{0, 1, 0, 4, 0}, {5, 1, 8, 4, 0}};
  const std::size_t cases[][2] = {
      {0, 0},  {3, 0},   // inside the first value: where its name stands
      {4, 1},  {7, 4},   // between the two: shifted by the first
      {8, 5},  {11, 5},  // inside the second value
      {12, 6}, {14, 8},
  };
  for (const auto& c : cases) EXPECT_EQ(LineColumnOf(c[0], made), c[1]) << c[0];
  // Positions beyond 32 bits keep their value.
  const std::size_t far = std::size_t{5} << 32;
  EXPECT_EQ(LineColumnOf(far, {{far - 10, 1, far - 10, 3, 0}}), far - 2);
}

}  // namespace
}  // namespace lsys
