// Starts one entry of the chain by its mode word.
#pragma once

#include <string>

// The show states that the shell modes hand to the desktop.
inline constexpr int kShowHide = 0;       // "hide"
inline constexpr int kShowOther = 1;      // any other word: shown normally
inline constexpr int kShowMinimized = 2;  // "min"
inline constexpr int kShowMaximized = 3;  // "max"
inline constexpr int kShowShow = 5;       // "normal"

// The command line of a "wait" entry: Name in quotation marks, a blank, CmdS.
std::string CommandLine(const std::string& name, const std::string& cmdS);

// Mode "wait" starts a new process, waits for its end and prints a "done!" or
// "failed!" line; every other word hands the entry to the desktop's "open"
// and returns at once. Mode words match byte for byte. Returns false only
// when a "wait" entry could not be started.
bool LaunchEntry(const std::string& name, const std::string& cmdS, const std::string& size);

// Starts the command line, waits for it and prints its result line. Returns
// whether the process could be started.
bool ExecAndWait(const std::string& commandLine, const std::string& name,
                 const std::string& cmdS);
