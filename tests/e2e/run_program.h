// Runs a program the way a user or a scheduler would, with standard output in
// a chosen state, and collects what it wrote and how it ended.
#pragma once

#include <string>
#include <vector>

enum class StandardOutput {
  File,        // redirected to a file
  Closed,      // not open at all
  DiskFull,    // /dev/full: a character device that refuses every write
  BrokenPipe,  // a pipe whose reader has already gone
  Terminal,    // a pseudo-terminal; output includes what reaches the terminal
  Pipe,        // a pipe read to its end, as `ordovan | cat` would
  SizeLimited, // a file under a file-size limit of 100 bytes (ulimit -f)
};

struct RunResult {
  std::string output;     // standard output (or everything on the terminal)
  std::string errors;     // standard error
  int status = -1;        // exit status when the program exited
  int signal = 0;         // the signal that ended it, if one did
  bool timedOut = false;  // killed after the time limit
  double seconds = 0;     // wall-clock time until the program ended
  double outputEndSeconds = 0;  // Pipe: wall-clock time until the pipe's end was read
};

// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

RunResult RunProgram(const std::vector<std::string>& argv, StandardOutput out,
                     const std::string& workingDirectory, int timeoutSeconds = 60);
