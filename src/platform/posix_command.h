// How a program named in the chain is started on POSIX, where programs take
// an argument vector rather than one command line. Pure: no system calls.
#pragma once

#include <string>
#include <vector>

// Blanks, tabs and line ends separate arguments. Single quotes keep everything
// up to the next single quote; double quotes keep everything up to the next
// double quote, where a backslash escapes only \, ", $, ` and a line end;
// outside quotes a backslash keeps the next character. Nothing is expanded:
// no variables, wildcards, tilde or command substitution. An unclosed quote
// runs to the end of the text.
std::vector<std::string> SplitParameters(const std::string& parameters);

// Where a program name is looked for, in order: the name itself when it holds
// a '/', otherwise the name in every directory of the PATH value (an empty
// element meaning the current directory), or of a default PATH when there is
// no PATH at all.
std::vector<std::string> ProgramCandidates(const std::string& name, const char* pathVariable);

// The sequence that sets a terminal window's title: ESC ] 0 ; title BEL, with
// every control byte of the title written as '?', so that text from the
// configuration can neither end the sequence early nor start another one.
std::string TerminalTitleSequence(const std::string& title);
