#include "turtle/make_poly_liste.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "app/lsystem.h"
#include "common/narrowing.h"
#include "common/output.h"
#include "turtle/tropism.h"
#include "turtle/turtle.h"

namespace lsys {
namespace {

const double degToRad = 3.141592654 / 180;
const float defaultWidth = kDefaultWidth;

Vector3f narrowed(const Turtle& turtle) {
  return {NarrowToFloat(turtle.x()), NarrowToFloat(turtle.y()), NarrowToFloat(turtle.z())};
}

// The state of one interpretation that is not part of the turtle's saved state.
class Interpreter {
 public:
  explicit Interpreter(LSystem& lsystem) : lsystem_(lsystem) {
    turtle_.setWidth(defaultWidth);
    turtle_.resetStartWidth();
  }

  void interpret(Module module);
  void frameCamera();
  Turtle& turtle() { return turtle_; }

 private:
  void updateRange(double z);

  LSystem& lsystem_;
  Turtle turtle_;
  std::uint8_t colourIndex_ = 0;
  // For PictureReading: whether no segment has been drawn since the drawing or the current
  // branch began, and what '[' saved of that and of the colour index for its ']'.
  struct SavedReading {
    std::uint8_t colour;
    bool branchUndrawn;
  };
  std::vector<SavedReading> savedReadings_;
  bool branchUndrawn_ = true;
  bool polygonMode_ = false;
  std::shared_ptr<Polygon> currentPolygon_;
  std::int32_t vertexCount_ = 0;
  float minZ_ = 0.0f;
  float maxZ_ = 0.0f;
};

void Interpreter::updateRange(double z) {
  // A position beyond the float range (or NaN) would put the camera at infinity, which the
  // renderer cannot read: such heights do not frame the drawing.
  if (!std::isfinite(NarrowToFloat(z))) return;
  if (maxZ_ < z) maxZ_ = NarrowToFloat(z);
  if (minZ_ > z) minZ_ = NarrowToFloat(z);
}

void Interpreter::interpret(Module module) {
  const bool hasParameter = !module.parameters.empty();
  const float p = hasParameter ? module.parameters.front() : 0.0f;
  const double angle = static_cast<double>(hasParameter ? p : lsystem_.gamma) * degToRad;
  const double distance = hasParameter ? static_cast<double>(p) : 1.0;

  switch (module.symbol) {
    case 'F': {
      updateRange(turtle_.z());
      Segment segment;
      segment.start = narrowed(turtle_);
      turtle_.move(distance);
      segment.end = narrowed(turtle_);
      segment.endRadius = NarrowToFloat(turtle_.width());
      segment.startRadius = NarrowToFloat(turtle_.startWidth());
      lsystem_.segments.push_back(segment);
      lsystem_.segmentColours.push_back(colourIndex_);
      turtle_.resetStartWidth();
      branchUndrawn_ = false;
      break;
    }
    case 'G':
      updateRange(turtle_.z());
      turtle_.move(distance);
      break;
    case 'f':
      turtle_.move(distance);
      if (polygonMode_) {
        ++vertexCount_;
        updateRange(turtle_.z());
        currentPolygon_->vertices.push_back(narrowed(turtle_));
      }
      break;
    case '.':
      if (polygonMode_) {
        ++vertexCount_;
        currentPolygon_->vertices.push_back(narrowed(turtle_));
      }
      break;
    case '+':
      turtle_.turn(-angle);
      break;
    case '-':
      turtle_.turn(angle);
      break;
    case '&':
      turtle_.pitch(angle);
      break;
    case '^':
      turtle_.pitch(-angle);
      break;
    case '\\':
      turtle_.roll(angle);
      break;
    case '/':
      turtle_.roll(-angle);
      break;
    case '|':
      turtle_.turnAround();
      break;
    case '$':
      turtle_.levelOut();
      break;
    case '[':
      turtle_.push();
      if (lsystem_.pictureReading.branchesKeepColour || lsystem_.pictureReading.widthStartsBranch) {
        savedReadings_.push_back({colourIndex_, branchUndrawn_});
      }
      branchUndrawn_ = true;
      break;
    case ']':
      if (!turtle_.pop()) {
        Output& console = lsystem_.console();
        console.text("ERROR::STACKUNDERFLOW ");
        console.integer(turtle_.depth());
        console.character('\n');
      } else if (!savedReadings_.empty()) {
        // The parent goes on as it was: a branch left empty does not make it undrawn.
        if (lsystem_.pictureReading.branchesKeepColour) colourIndex_ = savedReadings_.back().colour;
        branchUndrawn_ = savedReadings_.back().branchUndrawn;
        savedReadings_.pop_back();
      }
      break;
    case '!':
      turtle_.resetStartWidth();
      turtle_.setWidth(hasParameter ? static_cast<double>(p) : static_cast<double>(defaultWidth));
      if (branchUndrawn_ && lsystem_.pictureReading.widthStartsBranch) turtle_.resetStartWidth();
      break;
    case '?':
      // The index is kept to 8 bits: all arithmetic on it is modulo 256.
      if (hasParameter) {
        colourIndex_ = static_cast<std::uint8_t>(static_cast<std::uint32_t>(TruncateToInt(p)) - 1u);
      } else {
        colourIndex_ = static_cast<std::uint8_t>(colourIndex_ + 1);
      }
      break;
    case '{':
      // An outline still open is dropped.
      polygonMode_ = true;
      currentPolygon_ = std::make_shared<Polygon>();
      currentPolygon_->colour = colourIndex_;
      vertexCount_ = 0;
      break;
    case '}':
      // Only the count decides: a second '}' after a close appends the same polygon again. Once
      // appended the outline no longer changes: only a new '{' turns polygon mode back on, and
      // it starts a new record.
      if (vertexCount_ > 2) {
        polygonMode_ = false;
        lsystem_.polygons.push_back(currentPolygon_);
      }
      break;
    default:
      break;
  }
}

// The symbols interpret() acts on; every other symbol leaves the turtle and the record as
// they are.
constexpr std::array<bool, 256> kTurtleSymbols = [] {
  std::array<bool, 256> known{};
  for (const char symbol : std::string_view("FGf.+-&^\\/|$[]!?{}")) {
    known[static_cast<unsigned char>(symbol)] = true;
  }
  return known;
}();

bool IsTurtleSymbol(char symbol) { return kTurtleSymbols[static_cast<unsigned char>(symbol)]; }

// The walk of a word under the grower's dialect: the tropism bends the frame before every
// move, '_' sets the elasticity (a part of the state that '[' saves), and '\'' is the colour
// increment '?'. Every other symbol means what it means without the dialect.
void interpretWithDialect(Interpreter& interpreter, const ModuleString& word,
                          const DialectOptions& dialect) {
  const Vector3 tropism = TurtleFrameVector(dialect.tropism);
  double elasticity = dialect.elasticity;
  std::vector<double> saved;  // the elasticity at each unmatched '['
  for (const Module module : word) {
    switch (module.symbol) {
      case 'F':
      case 'f':
      case 'G':
        if (elasticity != 0.0) BendTowards(interpreter.turtle(), tropism, elasticity);
        break;
      case '\'':
        interpreter.interpret(Module{'?', module.parameters});
        continue;
      case '_':
        // Without a value the elasticity of the file's elasticity= line comes back.
        elasticity = module.parameters.empty() ? dialect.elasticity
                                               : static_cast<double>(module.parameters.front());
        continue;
      case '[':
        saved.push_back(elasticity);
        break;
      case ']':
        // The turtle's stack and this one grow together, so an underflow leaves both alone.
        if (!saved.empty()) {
          elasticity = saved.back();
          saved.pop_back();
        }
        break;
      default:
        break;
    }
    if (IsTurtleSymbol(module.symbol)) interpreter.interpret(module);
  }
}

void Interpreter::frameCamera() {
  lsystem_.viewDistance = NarrowToFloat(static_cast<double>(maxZ_ - minZ_) * 1.2);
  lsystem_.viewHeight = lsystem_.viewDistance / 2 + minZ_;
}

}  // namespace

void MakePolyListe(LSystem& lsystem) {
  lsystem.console().text("MakePolyListe\n");
  lsystem.segments.clear();
  lsystem.segmentColours.clear();
  lsystem.polygons.clear();
  // Every 'F' leaves one segment: reserving them all at once spares the copies and the fresh
  // pages of a growing array, which on large plants cost as much as drawing.
  const std::string_view symbols = lsystem.current->symbols();
  const auto drawn = static_cast<std::size_t>(std::count(symbols.begin(), symbols.end(), 'F'));
  lsystem.segments.reserve(drawn);
  lsystem.segmentColours.reserve(drawn);
  Interpreter interpreter(lsystem);
  // Most modules of a large word are symbols the turtle does not know, which change nothing:
  // they are passed over without being looked at more closely.
  const ModuleString& word = *lsystem.current;
  if (lsystem.dialect.enabled) {
    interpretWithDialect(interpreter, word, lsystem.dialect);
  } else if (!word.hasParameters()) {
    for (const char symbol : symbols) {
      if (IsTurtleSymbol(symbol)) interpreter.interpret(Module{symbol, {}});
    }
  } else {
    for (const Module module : word) {
      if (IsTurtleSymbol(module.symbol)) interpreter.interpret(module);
    }
  }
  interpreter.frameCamera();
}

}  // namespace lsys
