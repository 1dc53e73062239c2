#include "companion/text/visible_text.h"

#include <gtest/gtest.h>

#include <string>

#include "common/output.h"
#include "companion/check/diagnostic.h"

namespace lsys {
namespace {

struct VisibleCase {
  std::string text;
  bool keepTabs;
  std::string shown;
};

TEST(VisibleText, ShowsEveryControlCharacterInCaretNotation) {
  const VisibleCase kCases[] = {
      {"plain name-1.ls", false, "plain name-1.ls"},
      {"\x1b[31mred", false, "^[[31mred"},
      {"a\nb\r\n", false, "a^Jb^M^J"},
      {std::string("nul\0end", 7), false, "nul^@end"},
      {"bell\x07 del\x7f", false, "bell^G del^?"},
      {"tab\there", false, "tab^Ihere"},
      {"tab\there", true, "tab\there"},
      {"\xc3\xa9t\xc3\xa9", false, "\xc3\xa9t\xc3\xa9"},  // UTF-8 stays as it is
  };
  for (const VisibleCase& c : kCases) {
    EXPECT_EQ(VisibleText(c.text, c.keepTabs), c.shown) << c.text;
  }
}

TEST(PrintDiagnostic, ShowsTheLinesControlCharactersAndKeepsTheCaretUnderTheColumn) {
  std::string text;
  {
    Output out = Output::ToString(text);
    // The diagnostic's column (7) is the 'x' after an escape sequence and a tab.
    PrintDiagnostic(out, "a\x1b.ls", {"F\x1b[2J\tx=1\r\n"}, {Severity::kError, 0, 6, "bad \x07"});
  }
  EXPECT_EQ(text,
            "a^[.ls:1:7: error: bad ^G\n"
            "F^[[2J\tx=1\n"
            "      \t^\n");
}

}  // namespace
}  // namespace lsys
