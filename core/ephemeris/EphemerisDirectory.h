#pragma once
// Where the Swiss Ephemeris data files are read from, for every computation
// of the process from now on: $SE_EPHE_PATH when set, else where Debian
// installs them, unless a folder was chosen (a test's damaged files, say).
// The chart's run looks at the choice before each precise chart and takes
// the new folder when it changed.

#include <string>

namespace velmora {

// Chooses `directory` (empty: back to the default) for every thread.
void ChooseEphemerisDirectory(std::string directory);

// The folder in force, and how many times the choice changed (a run keeps
// the count it computed with and looks again when it differs).
std::string EphemerisDirectory();
unsigned EphemerisDirectoryChoice();

// Points the library at `directory` on the calling thread. Setting the path
// closes the library's open files, so it is set only when it changes: every
// call of the library's path goes through here. ForgetDirectoryInUse says
// the thread's library state was freed (swe_close).
void UseEphemerisDirectory(const std::string& directory);
void ForgetDirectoryInUse();

}  // namespace velmora
