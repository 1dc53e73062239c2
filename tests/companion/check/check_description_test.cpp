#include "companion/check/check_description.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "common/output.h"
#include "support/scratch_folder.h"

namespace lsys {
namespace {

using testing_support::ScratchFolder;

// "LINE:COLUMN: error|warning: message", counted from 1 as printed.
std::string Summary(const Diagnostic& d) {
  return std::to_string(d.line + 1) + ":" + std::to_string(d.column + 1) +
         (d.severity == Severity::kError     ? ": error: "
          : d.severity == Severity::kWarning ? ": warning: "
                                             : ": note: ") +
         d.message;
}

// Each case is a small description and the diagnostics expected for it, in order: the line,
// the column, the severity and a piece of the message, optionally followed by further pieces
// of the same message.
struct CheckCase {
  const char* name;
  std::string text;
  std::vector<std::string> expected;  // "LINE:COLUMN: severity: piece of the message"
};

const std::string kGood = "axiom=F\nF->F[+F]F\n";
// An argument nested deeper than the main thread's stack could parse.
const std::string kDeepArgument = std::string(20000, '(') + "x" + std::string(20000, ')');
const std::string kByteOrderMark = "\xEF\xBB\xBF";

const CheckCase kCases[] = {
    {"clean", "axiom=F\ngamma=25.7\nsteps=2\nF->F[+F]F[-F]F\n", {}},
    {"blanks around the axiom's '='",
     "axiom = F\nF->FF\n",
     {"1:1: error: there is no 'axiom=' line", "1:6: error: 'axiom =' is not the key 'axiom='"}},
    {"blank after gamma=",
     kGood + "gamma= 25.7\n",
     {"3:7: error: no number at the value column after 'gamma=': gamma becomes 0 (no blank"}},
    {"blank before steps '='", kGood + "steps =3\n", {"3:6: error: 'steps =' is not the key"}},
    {"signed steps", kGood + "steps=-3\n", {"3:7: error: no number", "(values are unsigned"}},
    {"blank after axiom=", "axiom= F\nF->FF\n", {"1:7: warning: the blank after 'axiom='"}},
    {"byte-order mark", kByteOrderMark + kGood, {"1:1: error: the file begins with a UTF-8"}},
    {"byte-order mark before a comment",
     kByteOrderMark + "A weed\n" + kGood,
     {"1:1: warning: the file begins with a UTF-8"}},
    {"comment line with steps=",
     kGood + "Grow it with steps=4 or more\n",
     {"3:14: error: 'steps=' is not at the start of its line", "fixed column 7"}},
    {"comment line with an arrow",
     kGood + "Edge rewriting: F->F+F\n",
     {"3:2: error: this line contains '->' and is read as a rule",
      "has 16 symbols where 1 is read ('E' as the predecessor)", "keep '->' out of comment"}},
    {"rule typed with blanks",
     "axiom=F\nF -> FF\n",
     {"2:2: error: this line contains '->' and is read as a rule", "a blank is a symbol"}},
    {"blank after the arrow", "axiom=F\nF-> FF\n", {"2:4: warning: the blank after '->'"}},
    {"definition with blanks",
     "define r = 0.9\naxiom=A(1)\nA(x)->F(x*r)A(x)\n",
     {"1:10: error: blanks around '=' belong to the definition: its name is 'r '",
      "3:11: error: argument 'x*r': Syntax error: Unknown identifier 'r'"}},
    {"#define", "#define r 0.9\n" + kGood, {"1:1: error: '#define' is not read as a definition"}},
    {"define without '='",
     "define r 0.9\n" + kGood,
     {"1:8: error: a 'define ' line without a name and '='"}},
    {"prose mentioning define", "Here we define the weed.\n" + kGood, {}},
    {"missing axiom", "steps=3\nF->FF\n", {"1:1: error: there is no 'axiom=' line"}},
    {"'==' in a condition",
     "axiom=A(1)\nA(x):(x==1)->A(x+1)\n",
     {"2:8: error: condition 'x==1': Syntax error", "'==' is written '='"}},
    {"'&&' in a condition",
     "axiom=A(1,2)\nA(x,y):(x>0&&y>0)->A(x,y)\n",
     {"2:12: error: condition 'x>0&&y>0'", "'&&' is written '&'"}},
    {"'||' in a condition",
     "axiom=A(1,2)\nA(x,y):(x>0||y>0)->A(x,y)\n",
     {"2:12: error: condition 'x>0||y>0'", "'||' is written '|'"}},
    {"unknown identifier in an argument",
     "axiom=A(1)\nA(x)->A(x+t)\n",
     {"2:11: error: argument 'x+t': Syntax error: Unknown identifier 't' (the rule's parameter "
      "names are x)"}},
    {"unknown identifier, definition substituted",
     "define s=2*z\naxiom=A(1)\nA(x)->A(s)\n",
     {"3:9: error: argument '2*z': Syntax error: Unknown identifier 'z'"}},
    {"comma inside a condition's parentheses",
     "axiom=A(1,2)\nA(x,y):(min(x,y)>1)->A(x,y)\n",
     {"2:14: error: the conditions are split at every ','"}},
    {"repeated parameter names",
     "axiom=A(1,2)\nA(x,x)->A(x,x)\n",
     {"2:3: error: the expression library rejects the parameter names 'x,x' ('x' is repeated)"}},
    {"invalid parameter name",
     "axiom=A(1)\nA(1x)->A(2)\n",
     {"2:3: error: the expression library rejects the parameter names '1x' ('1x' is not a name"}},
    {"empty condition", "axiom=A\nA:()->A\n", {"2:4: error: empty condition"}},
    {"rule that never applies",
     kGood + "X->F\n",
     {"3:1: warning: this rule never applies: 'X' occurs neither in the axiom nor in any"}},
    {"unbalanced axiom", "axiom=F]F\nF->FF\n", {"1:8: error: more ']' than '[' in the axiom"}},
    {"unbalanced successor",
     "axiom=A\nA->A][A\n",
     {"2:5: warning: more ']' than '[' in this successor"}},
    {"unmatched ')' in a successor",
     "axiom=A\nA->A)A\n",
     {"2:5: warning: ')' without '(' in the successor", "the successor reads 'A'"}},
    // A '(' that brings the depth back to 0 is a module, and reading goes on after it.
    {"unmatched ')' followed by '('",
     "axiom=A\nA->B)(C\n",
     {"2:5: warning: ')' without '(' in the successor", "the successor reads 'B(C'"}},
    {"unclosed '[' in a successor",
     "axiom=F\nF->F[+F]F[-F F\n",
     {"2:10: error: this '[' is never closed in this successor", "'F[+F]F[-F]F'"}},
    // Another successor with more ']' than '[' may close it.
    {"unclosed '[' that another successor may close",
     "axiom=FA\nA->[+B\nB->F]A\n",
     {"2:4: warning: this '[' is never closed in this successor",
      "3:5: warning: more ']' than '[' in this successor"}},
    {"unclosed '[' in the axiom",
     "axiom=F[+F\nF->FF\n",
     {"1:8: warning: this '[' is never closed in the axiom"}},
    {"unclosed '(' in a successor",
     "axiom=A(1)\nA(l)->F(l*2[+A(l/2)]\n",
     {"2:8: error: this '(' is never closed", "the successor reads 'F'"}},
    {"rule never produced from the axiom",
     "axiom=FF\nX->F[+X]F[-X]X\n",
     {"2:1: warning: this rule never applies: 'X' is never produced from the axiom 'FF'",
      "(axiom=X)"}},
    {"leaf rule whose symbol appears only in the last generation",
     "axiom=A\nsteps=2\nA->F[B]A\nB->F[-L]F\nL->[{.-f+f.}]\n",
     {"5:1: warning: this rule never applies: 'L' first appears in generation 2, the last one",
      "raise steps to 3"}},
    {"rule whose symbol appears after the last generation",
     "axiom=A\nsteps=1\nA->B\nB->C\nC->F\n",
     {"4:1: warning: this rule never applies: 'B' first appears in generation 1, the last one",
      "5:1: warning: this rule never applies within steps=1: 'C' first appears in generation 2",
      "raise steps to 3"}},
    // The shadowed rule is never applied, so the arity check does not speak of it.
    {"rule shadowed by an earlier rule",
     "axiom=A(1)\nA(x)->B(x)\nA(x,y):(y>0)->C(x,y)\n",
     {"3:1: warning: this rule never applies: the rule on line 2 rewrites every 'A' before it",
      "put this rule above it"}},
    {"steps=0",
     "axiom=FF\nsteps=0\nF->FF\n",
     {"2:7: warning: steps=0 applies no rule: the turtle draws the axiom as written"}},
    {"polygon traced with F",
     "axiom=A\nsteps=1\nA->FF{F+F+F+F}\n",
     {"3:6: warning: this polygon gets no vertex: 'F' moves the turtle", "'f'"}},
    // Vertices may come from a rule.
    {"polygon whose vertices a rule makes", "axiom=FF{V+V+V}\nsteps=1\nV->f\n", {}},
    {"the book's symbols that draw nothing here",
     "axiom=A\nsteps=2\ngamma=5\nA->F[+A']F[-A%]~\n",
     {"4:8: warning: the book's colour increment ' draws nothing here: write '?'",
      "4:14: warning: the book's cut '%' cuts nothing here", "'#lsys dialect=1'",
      "4:16: warning: the book's predefined surface '~' draws nothing here"}},
    {"the book's symbols as symbols of the system's own", "axiom=FF%\n%->F%\n", {}},
    {"a sign in the axiom",
     "axiom=A(-2)\nA(x)->F(x)A(x+1)\n",
     {"1:9: error: the axiom takes unsigned numbers only", "'A(-2)' is read as 'A(0)-2'",
      "axiom=S with the rule S->A(-2)"}},
    {"an expression in the axiom",
     "axiom=B(1)A(2*3)\nsteps=2\nA(x)->F(x)\n",
     {"1:14: error: the axiom takes unsigned numbers only", "the value ends at '*'",
      "'A(2*3)' is read as 'A(2)*3'"}},
    {"a definition name as an axiom value",
     "define L=5\naxiom=A(L)\nA(x)->F(x)\n",
     {"2:9: error: 'L' is a definition, but the axiom is not substituted",
      "'A(L)' is read as 'A(0)L'"}},
    {"a leading point in the axiom",
     "axiom=FF(.5)\n",
     {"1:10: error: a value that begins with '.'", "'F(.5)' is read as 'F(0.5).5'; write '0.5'"}},
    {"a definition name as the axiom's word",
     "define START=F+F\naxiom=START\n",
     {"2:7: warning: 'START' is a definition, but the axiom is not substituted",
      "write the value 'F+F'"}},
    {"a left context of two symbols",
     "axiom=FF\nAB<C->D\n",
     {"2:4: error: this line contains '->' and is read as a rule",
      "('A' as the left context, 'B' as the predecessor)", "read as 'A<B'", "'B<C'"}},
    {"another tool's probability before the arrow",
     "axiom=FF\nF:0.5->F[+F]F\n",
     {"2:3: error: this line contains '->' and is read as a rule",
      "'F:0.5' is another tool's rule probability", "'F=>F[+F]F:0.5'"}},
    {"another tool's probability after the successor",
     "axiom=FF\nF->F[+F]F:0.33\n",
     {"2:10: warning: ':0.33' looks like another tool's rule probability", "'F=>F[+F]F:0.33'"}},
    {"a dialect rule and seeds in a plain file",
     "axiom=FF\nF=>F[+F]F\nseed=4\nSeed: 3\n",
     {"2:2: warning: a rule with '=>' is lsys's dialect", "write the rule with '->'",
      "3:1: warning: a seed is read only in a file marked with the line '#lsys dialect=1'",
      "4:1: warning: a seed"}},
    // A marked file's '=>' rules may produce what its '->' rules rewrite.
    {"a dialect rule, a seed and a probability in a marked file",
     "#lsys dialect=1\naxiom=FF\nF=>F[+L]F\nseed=4\nF->F[+F]F:0.33\nL->[{.-f+f.}]\n",
     {"1:1: note: lsys reads this file with the grower's dialect; lsys2pov passes over its 3 "
      "dialect lines (1, 3-4)"}},
    {"dialect mistakes in a marked file",
     "#lsys dialect=1\naxiom=F\nseed=x\ntropism=0,-1\nF=>F:-1\n%=>F\nG=>F(ran(1,2))\n",
     {"1:1: note: lsys reads", "3:6: error: seed= takes", "4:13: error: tropism= takes",
      "5:6: error: the weight is negative", "6:1: warning: '%' as a predecessor",
      "7:11: error: argument does not parse"}},
    {"other tools' keys",
     "Axiom: FF\nangle=25.7\nn=5\niterations = 4\nsteps=5\nF->F[+F]F\n",
     {"1:1: error: there is no 'axiom=' line", "1:1: error: 'Axiom:' is not a key of this format",
      "written 'axiom=FF'", "2:1: error: 'angle=' is not a key", "written 'gamma=25.7'",
      // The file has 'steps=': the other keys for it are only warned about.
      "3:1: warning: 'n=' is not a key", "written 'steps=5'",
      "4:1: warning: 'iterations =' is not a key", "written 'steps=4'"}},
    // From the dry run.
    {"fewer values than names",
     "axiom=A(1)B\nsteps=2\nA(x,y)->A(x,y)\nB(t)->B\n",
     {"3:5: warning: this rule is applied to 'A' with 1 value, fewer than its names: 'y'",
      "4:3: warning: this rule is applied to 'B' with 0 values, fewer than its names: 't'"}},
    {"zero-length segments",
     "axiom=FA\nsteps=1\nA->F(0)\n",
     {"1:1: warning: 1 segment(s) have zero length"}},
    {"non-finite segments",
     "axiom=A(1)\nsteps=1\nA(x)->F(x*1e300)\n",
     {"1:1: error: 1 segment(s) have coordinates or radii that are not finite"}},
    {"steps beyond memory",
     "axiom=F\nsteps=30\nF->FF\n",
     {"2:1: error: steps=30 grows the word to about 1.07e+09 modules", "more than the 1 GB"}},
    {"deeply nested argument parses and grows",
     "axiom=A(1)\nsteps=1\nA(x)->F(" + kDeepArgument + ")\n",
     {"1:1: warning: the camera frames a height of 0"}},
    // The dry run counts a fixed cost per step: without it, a word that never grows would run
    // through every one of the steps.
    {"a word that never grows, for a billion steps", "axiom=A(10,1)\nsteps=1000000000\n", {}},
    // The definition replaces "A->s" in its own line, which then holds no arrow.
    {"a definition that takes the arrow out of its rule line",
     "axiom=F\ndefine A->s=F ax:3\n",
     {"1:1: warning: the camera frames a height of 0"}},
    {"camera framing a height of 0",
     "axiom=F\n",
     {"1:1: warning: the camera frames a height of 0"}},
    {"drawing wider than the camera frames",
     "axiom=FF+(90)FFFFF\n",
     {"1:1: warning: the drawing reaches 5 to the side of its start point, but the camera frames "
      "only 1.6 to each side",
      "in the scene lsys2pov writes; lsys render frames the whole drawing"}},
};

TEST(CheckDescription, ReportsEachMistakeAtItsLineAndColumn) {
  const ScratchFolder folder;
  for (const CheckCase& c : kCases) {
    CheckLimits limits;
    limits.maxModules = 100'000;
    limits.memoryBytes = 1'000'000'000;
    const CheckResult result = CheckDescription(folder.write("case.ls", c.text), limits);
    ASSERT_TRUE(result.readable) << c.name;
    std::string all;
    for (const Diagnostic& d : result.diagnostics) all += Summary(d) + "\n";
    // Every expected piece stands in the diagnostics, each at its place, in order.
    std::size_t from = 0;
    for (const std::string& piece : c.expected) {
      const std::size_t at = all.find(piece, from);
      EXPECT_NE(at, std::string::npos) << c.name << ": missing " << piece << "\nin\n" << all;
      if (at != std::string::npos) from = at;
    }
    // A piece that begins with its line number starts a diagnostic; no other is reported.
    std::size_t starts = 0;
    for (const std::string& piece : c.expected) starts += std::isdigit(piece[0]) ? 1 : 0;
    EXPECT_EQ(result.diagnostics.size(), starts) << c.name << "\n" << all;
  }
}

TEST(CheckDescription, AnUnreadableFileIsNotReadable) {
  EXPECT_FALSE(CheckDescription("/nonexistent/folder/x.ls").readable);
}

TEST(PrintDiagnostic, CompilerFormWithSourceLineAndCaret) {
  std::string text;
  {
    Output out = Output::ToString(text);
    PrintDiagnostic(out, "a.ls", {"axiom=F\n", "\tgamma= 2\n"},
                    {Severity::kError, 1, 7, "no number"});
    PrintDiagnostic(out, "a.ls", {}, {Severity::kWarning, 0, 0, "empty"});
  }
  EXPECT_EQ(text,
            "a.ls:2:8: error: no number\n"
            "\tgamma= 2\n"
            "\t      ^\n"
            "a.ls:1:1: warning: empty\n");
}

}  // namespace
}  // namespace lsys
