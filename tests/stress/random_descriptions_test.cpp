// Many random description files, well-formed and malformed alike, run through every stage: each
// run must complete (the sanitizer build turns any bad access into a failure) and keep the
// invariants that tie the stages together.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/lsystem.h"
#include "derivation/derive.h"
#include "description/load_description.h"
#include "scene/write_pov_file.h"
#include "support/test_support.h"
#include "turtle/make_poly_liste.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

class DescriptionGenerator {
 public:
  explicit DescriptionGenerator(unsigned seed) : random_(seed) {}

  std::string description() {
    std::string text;
    const int lines = pick(1, 12);
    for (int i = 0; i < lines; ++i) text += line() + (pick(0, 9) == 0 ? "\r\n" : "\n");
    if (pick(0, 3) == 0) text.pop_back();  // a last line without line feed
    return text;
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  char symbol() {
    static const std::string symbols = "FGfABC+-&^\\/|$[]!?{}.(),:<>x1 =";
    return symbols[static_cast<std::size_t>(pick(0, static_cast<int>(symbols.size()) - 1))];
  }

  std::string word(int maxLength) {
    std::string text;
    const int length = pick(0, maxLength);
    for (int i = 0; i < length; ++i) text.push_back(symbol());
    return text;
  }

  std::string number() {
    std::string text = std::to_string(pick(0, 99));
    if (pick(0, 1) == 0) text += "." + std::to_string(pick(0, 999));
    return text;
  }

  std::string term(const char* names) {
    std::string text(1, "ABFGf+["[pick(0, 6)]);
    if (pick(0, 1) == 0) text += std::string("(") + names + ")";
    return text;
  }

  std::string line() {
    switch (pick(0, 9)) {
      case 0:
        return "axiom=" + word(10);
      case 1:
        return "axiom=A(" + number() + "," + number() + ")F(" + number() + ")[+B]";
      case 2:
        return "gamma=" + number();
      case 3:
        return "steps=" + std::to_string(pick(0, 3));
      case 4:
        return (pick(0, 1) == 0 ? "ignore=" : "consider=") + word(4);
      case 5:
        return "define " + word(3) + "=" + word(4);
      case 6:
        return term("x") + "<" + term("y") + ">" + term("z") + ":(x<y+1,z>=0)->" + word(8);
      case 7:
        return term("x,y") + ":(x>0)->F(x*0.5)[+(y*10)A(x-1,y)]!(x/10)";
      case 8:
        return word(6) + "->" + word(8);
      default:
        return word(20);  // a comment or a line of noise
    }
  }

  std::mt19937 random_;
};

int countSymbol(const ModuleString& modules, char symbol) {
  int count = 0;
  for (char s : modules.symbols()) count += s == symbol;
  return count;
}

template <typename T>
int countItems(const std::vector<T>& items) {
  return static_cast<int>(items.size());
}

TEST(RandomDescriptions, EveryRunCompletesAndKeepsTheStageInvariants) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("lsys_random_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string descriptionPath = (folder / "input.ls").string();
  const std::string scenePath = (folder / "scene.pov").string();
  DescriptionGenerator generator(20261209);
  for (int run = 0; run < 400; ++run) {
    const std::string description = generator.description();
    std::ofstream(descriptionPath, std::ios::binary) << description;
    LSystem lsystem;
    bool written = false;
    const std::string output = CaptureOutput([&] {
      ASSERT_TRUE(LoadDescription(lsystem, descriptionPath));
      Derive(lsystem);
      MakePolyListe(lsystem);
      written = WritePovFile(lsystem, scenePath);
    });
    ASSERT_TRUE(written) << description;
    EXPECT_EQ(output.rfind("parsing linfile: ", 0), 0u) << description;
    EXPECT_EQ(output.substr(output.size() - scenePath.size() - 18),
              "PovFile saved as " + scenePath + "\n")
        << description;
    // Every F of the final generation draws exactly one segment; a polygon needs a '}'.
    EXPECT_EQ(countItems(lsystem.segments), countSymbol(*lsystem.current, 'F')) << description;
    EXPECT_LE(countItems(lsystem.polygons), countSymbol(*lsystem.current, '}')) << description;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lsys
