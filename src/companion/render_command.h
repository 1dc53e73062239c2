// `lsys render`, `lsys export` and `lsys info`: what each does once its command line is read.
// Each returns the process exit code: 0 on success, 1 after a message on standard error.
#pragma once

#include <optional>
#include <string>

#include "common/output.h"
#include "companion/command_support.h"
#include "companion/view.h"

namespace lsys {

struct RenderRequest {
  std::string description;
  std::string image;  // empty: the description's name with .png, in the current folder
  ImageSize size;
  std::optional<View> view;  // empty: DefaultView of the drawing
  std::optional<int> steps;  // empty: the description's own
  std::string scene;         // empty: a temporary scene, removed after the render
  bool quiet = false;
};

// Grows the description quietly, writes its own scene and has POV-Ray render it to the PNG.
// POV-Ray's warnings and errors always reach standard error.
int RenderDescription(const RenderRequest& request);

struct ExportRequest {
  std::string description;
  std::string output;  // ends in .obj or .svg
  ImageSize size;      // of the SVG picture
  std::optional<View> view;
  std::optional<int> steps;
  bool quiet = false;
};

// Grows the description quietly and writes it as an OBJ mesh or an SVG drawing.
int ExportDescription(const ExportRequest& request);

struct InfoRequest {
  std::string description;
  std::optional<int> steps;
};

// Grows the description and prints to out one line per step (modules and time), the counts of
// segments and polygons, the bounding box in turtle coordinates and the size of the scene that
// lsys2pov writes for it.
int PrintInfo(const InfoRequest& request, Output& out);

}  // namespace lsys
