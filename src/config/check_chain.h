// ordovan --check: what a chain file will do, and what in it is probably a
// mistake, without running it.
#pragma once

#include <string>

// Reads the configuration file at path with the same reader a run uses and
// prints, through the normal output channel: the file's path, one line for
// each filled slot saying what a run would do, one line for each finding,
// and a summary. Starts nothing, waits for nothing, sets no title. Returns
// the number of findings.
int CheckChain(const std::string& path);

// The whole of `ordovan --check [CONFIG]` after the banner: finds the
// configuration file as a run does (the missing-file lines and exit status 2
// when it is not there, preceded by the path looked for), checks it, and ends
// the program with exit status 0 when there is no finding, 4 when there is.
[[noreturn]] void RunCheck(const std::string& argument);

// Whether name starts with a URL scheme: two or more characters, the first a
// letter, the rest letters, digits, '+', '-' or '.', then ':'. A drive letter
// such as C: is no scheme.
bool IsUrl(const std::string& name);
