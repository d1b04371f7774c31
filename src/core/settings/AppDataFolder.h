#pragma once
// The default data folder: the program's own folder when it runs from a
// portable drive, else the user's data folder + "Corvinade/".
#include <string>

namespace cvd {

// What the search needs from the system; tests pass their own.
struct AppDataEnvironment {
  std::string programFile;  // path of the program file
  std::string xdgDataHome;  // $XDG_DATA_HOME, empty when unset
  std::string home;         // $HOME or the password database's home
  std::string sysfsRoot = "/sys";
};

// The environment of this process.
AppDataEnvironment CurrentAppDataEnvironment();

// Path of the running program file (from /proc/self/exe); empty when unknown.
std::string ProgramFilePath();
// The folder of the program file, with "/"; "./" when unknown.
std::string ProgramDirOf(const std::string& programFile);

// True when the block device major:minor is removable or sits on a USB or
// IEEE 1394 bus, judged from sysfs. Any failure counts as not portable.
bool IsPortableBlockDevice(unsigned major, unsigned minor, const std::string& sysfsRoot);
// The same for the device that holds `file`.
bool IsOnPortableDrive(const std::string& file, const std::string& sysfsRoot);

// The default data folder, created when missing; the program folder when the
// program runs from a portable drive or no data folder can be had.
std::string GetAppDataFolderPath(const AppDataEnvironment& env);
std::string GetAppDataFolderPath();

}  // namespace cvd
