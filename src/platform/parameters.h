// Splits a parameter text into separate arguments, for platforms whose
// programs take an argument vector rather than one command line. Pure.
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
