// Two commands that the companion's pictures read the way plant modellers expect, unlike the
// lsys2pov scene: both are off by default, and the lsys2pov driver never turns them on.
#pragma once

namespace lsys {

struct PictureReading {
  // `[` saves the colour index with the rest of the turtle's state and `]` restores it, so a
  // `?` inside a branch colours only that branch.
  bool branchesKeepColour = false;
  // A `!(w)` before the first segment of a branch (or of the whole drawing) sets both ends of
  // that segment to w, instead of tapering it from the width in force before.
  bool widthStartsBranch = false;

  // Both on: how `lsys` reads a description for its pictures and exports.
  static constexpr PictureReading ForPictures() { return {true, true}; }
};

}  // namespace lsys
