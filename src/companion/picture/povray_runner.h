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

struct ProgramCall {
  std::vector<std::string> arguments;  // arguments[0] is the program, found on the PATH
  std::string folder;                  // the folder it runs in; empty: the current one
  bool echo = false;                   // pass its output on to standard error as it comes
};

// Runs the call with standard input from /dev/null and its standard output and error kept in
// the log, and waits for it to end. A SIGINT or SIGTERM caught meanwhile (InterruptGuard) is
// passed on to it. Safe to call from several threads at once.
ProgramRun RunExternalProgram(ProgramCall call);

struct PovRaySettings {
  bool antialias = true;
  int threads = 0;  // render threads (+WT); 0 leaves POV-Ray's own choice, one per core
};

// One render. POV-Ray splits its options at blanks and reads a leading '+' or '-' as a switch,
// so no path of the user's reaches its command line: it runs in a working folder of the
// companion's own and reads and writes plain names there. That folder also keeps POV-Ray's
// state file and any povray.ini of the user's current folder out of the run.
struct PovRayJob {
  std::string folder;  // the working folder
  std::string scene;   // the scene's name in the folder, e.g. "scene.pov"
  std::string image;   // the PNG's name in the folder, e.g. "picture.png"
  int width = 640;
  int height = 480;
  bool echo = false;  // pass POV-Ray's output on to standard error as it comes
  PovRaySettings settings;
};

// Renders the job's scene into its PNG without a display, as RunExternalProgram runs a program. Not
// started when a name is not plain (IsPlainPovRayName).
PovRayRun RunPovRay(const PovRayJob& job);

// Whether a name can go on POV-Ray's command line as it stands: letters, digits, '.', '_' and
// '-', not starting with '-' or '+'.
bool IsPlainPovRayName(const std::string& name);

// The lines of a POV-Ray log that report a warning or an error about the scene.
std::vector<std::string> PovRayComplaints(const std::string& log);

}  // namespace lsys
