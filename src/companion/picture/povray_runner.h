// Runs Debian's POV-Ray on a scene file and keeps what it said; and, for the other programs the
// pictures need (ffmpeg), the same way of running a program.
#pragma once

#include <string>
#include <vector>

namespace lsys {

struct ProgramRun {
  bool started = false;  // false: the program could not be run (not installed)
  int exitCode = -1;     // its exit code; -1 when it did not end normally
  std::string log;       // everything it wrote to its standard output and error
};
using PovRayRun = ProgramRun;

// Runs the program arguments[0], found on the PATH, with the arguments, standard input from
// /dev/null, and its standard output and error kept in the log (and passed on to standard
// error as they come when echo is set). Safe to call from several threads at once.
ProgramRun RunProgram(std::vector<std::string> arguments, bool echo);

struct PovRaySettings {
  bool antialias = true;
  int threads = 0;  // render threads (+WT); 0 leaves POV-Ray's own choice, one per core
};

// Renders scene into the PNG image at width x height, without a display. When echo is set,
// POV-Ray's output is passed on to standard error as it comes.
PovRayRun RunPovRay(const std::string& scene, const std::string& image, int width, int height,
                    bool echo, const PovRaySettings& settings = {});

// The lines of a POV-Ray log that report a warning or an error about the scene.
std::vector<std::string> PovRayComplaints(const std::string& log);

}  // namespace lsys
