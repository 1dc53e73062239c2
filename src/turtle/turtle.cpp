#include "turtle/turtle.h"

#include <cmath>
#include <cstring>

namespace lsys {

Turtle::Turtle() { stack_.reserve(kPreallocatedStates); }

void Turtle::move(double distance) {
  position_.x = position_.x + distance * heading_.x;
  position_.y = position_.y + distance * heading_.y;
  position_.z = position_.z + distance * heading_.z;
}

const SineCosine& Turtle::AngleCache::of(double angle) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &angle, sizeof bits);
  // A drawing turns by a few distinct angles again and again; the same bits give the same
  // sine and cosine, so they are computed once per angle while it stays in its slot. The
  // slot comes from the top bits of a multiplicative hash, which every bit of the angle moves:
  // an angle and its negation, which drawings use in turn, land in different slots.
  Entry& entry = entries_[(bits * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits)];
  if (!entry.filled || entry.bits != bits) {
    entry = {bits, {std::sin(angle), std::cos(angle)}, true};
  }
  return entry.value;
}

void Turtle::rotatePair(double angle, const Vector3& axis, Vector3& a, Vector3& b, bool normalise) {
  const Matrix3 m = RotationMatrix(angles_.of(angle), axis);
  a = Multiply(m, a);
  b = Multiply(m, b);
  if (normalise) {
    a = Normalized(a);
    b = Normalized(b);
  }
}

void Turtle::turn(double angle) { rotatePair(angle, up_, heading_, left_, true); }

void Turtle::pitch(double angle) { rotatePair(angle, left_, heading_, up_, true); }

void Turtle::roll(double angle) { rotatePair(angle, heading_, left_, up_, true); }

void Turtle::turnAround() { rotatePair(3.141592654, up_, heading_, left_, false); }

void Turtle::rotateFrame(double angle, const Vector3& unitAxis) {
  const Matrix3 m = RotationMatrix(SineCosine{std::sin(angle), std::cos(angle)}, unitAxis);
  up_ = Multiply(m, up_);
  heading_ = Multiply(m, heading_);
  left_ = Multiply(m, left_);
}

void Turtle::levelOut() {
  if (heading_.x == 0.0 && heading_.y == 0.0) return;
  const Vector3 vertical{0.0, 0.0, 1.0};
  left_ = Cross(heading_, vertical);
  up_ = Cross(heading_, left_);
  if (up_.z < 0.0) {
    up_ = {-up_.x, -up_.y, -up_.z};
    left_ = {-left_.x, -left_.y, -left_.z};
  }
}

void Turtle::push() {
  stack_.push_back({up_, heading_, left_, position_, width_, startWidth_});
  ++depth_;
}

bool Turtle::pop() {
  if (depth_ <= 0) return false;
  --depth_;
  const SavedState& saved = stack_.back();
  up_ = saved.up;
  heading_ = saved.heading;
  left_ = saved.left;
  position_ = saved.position;
  width_ = saved.width;
  startWidth_ = saved.startWidth;
  stack_.pop_back();
  return true;
}

}  // namespace lsys
