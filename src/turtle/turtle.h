// The turtle: a position, an orthogonal frame (up, heading, left) and two widths, with a stack
// of saved states for branching. All arithmetic is in doubles.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/vector_math.h"

namespace lsys {

class Turtle {
 public:
  // At the origin, heading +z (the vertical), up +x, left +y, width 1.
  Turtle();

  void move(double distance);
  void setWidth(double width) { width_ = width; }
  void resetStartWidth() { startWidth_ = width_; }

  // Rotations by an angle in radians: turn about up, pitch about left, roll about heading.
  // The two moving vectors are rotated with one matrix and then normalised.
  void turn(double angle);
  void pitch(double angle);
  void roll(double angle);
  // The half turn about up (3.141592654), without normalising.
  void turnAround();
  // Makes left horizontal. A vertical heading has no horizontal direction: the frame stays.
  void levelOut();
  // Turns the whole frame (up, heading and left, one matrix for all three, not normalised
  // afterwards) by the angle about the axis, which must be of unit length.
  void rotateFrame(double angle, const Vector3& unitAxis);

  // Saves position, frame and both widths. The stack grows beyond its preallocated 10,000
  // entries as needed.
  void push();
  // Restores the last saved state; false, with nothing changed, when there is none (the caller
  // reports the underflow).
  bool pop();

  double x() const { return position_.x; }
  double y() const { return position_.y; }
  double z() const { return position_.z; }
  double width() const { return width_; }
  double startWidth() const { return startWidth_; }
  std::int32_t depth() const { return depth_; }
  const Vector3& position() const { return position_; }
  const Vector3& up() const { return up_; }
  const Vector3& heading() const { return heading_; }
  const Vector3& left() const { return left_; }

  static constexpr std::size_t kPreallocatedStates = 10000;

 private:
  struct SavedState {
    Vector3 up;
    Vector3 heading;
    Vector3 left;
    Vector3 position;
    double width;
    double startWidth;
  };

  // The sine and cosine of recent angles, keyed by the angle's bits: the values are the ones
  // std::sin and std::cos give, bit for bit.
  class AngleCache {
   public:
    const SineCosine& of(double angle);

   private:
    static constexpr int kSlotBits = 4;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
    struct Entry {
      std::uint64_t bits = 0;
      SineCosine value;
      bool filled = false;
    };
    std::array<Entry, kSlots> entries_{};
  };

  // Rotates a and b by the angle about the axis (one matrix for both); normalises them when
  // asked.
  void rotatePair(double angle, const Vector3& axis, Vector3& a, Vector3& b, bool normalise);

  AngleCache angles_;
  Vector3 position_;
  double width_ = 1.0;
  double startWidth_ = 1.0;
  std::int32_t depth_ = 0;
  std::vector<SavedState> stack_;  // on the heap, so deep branching needs no call stack
  Vector3 up_{1.0, 0.0, 0.0};
  Vector3 heading_{0.0, 0.0, 1.0};
  Vector3 left_{0.0, 1.0, 0.0};
};

}  // namespace lsys
