#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace cvd::tool {

// A command gets its arguments (after the command name) and returns the exit status.
using Command = std::function<int(const std::vector<std::string>& args)>;

std::map<std::string, Command> AllCommands();

// Commands that talk to the running program.
int StateCommand(const std::vector<std::string>& args);
int QuitCommand(const std::vector<std::string>& args);
// Runs a shortcut function (by its name in the shortcut list) or a quick fix by name.
int DoCommand(const std::vector<std::string>& args);

// Opens the running program's setup dialog on a page ("shortcuts").
int SetupCommand(const std::vector<std::string>& args);

// Prints the shortcut keys of the settings file as a Wayland compositor's
// key bindings ("sway", "hyprland", "labwc", "river").
int KeysCommand(const std::vector<std::string>& args);

// Checks capture, paste, target tracking and the shortcut keys in this
// session ("--json": for scripts); 0 when nothing failed.
int DoctorCommand(const std::vector<std::string>& args);

// Commands on the program's formats.
int EncryptCommand(const std::vector<std::string>& args);
int DecryptCommand(const std::vector<std::string>& args);
int DumpCommand(const std::vector<std::string>& args);

// Dry run of a key macro: its key events as JSON.
int MacroCommand(const std::vector<std::string>& args);

// Runs a quick fix action on standard input and prints what it did as JSON.
int QuickFixCommand(const std::vector<std::string>& args);

}  // namespace cvd::tool
