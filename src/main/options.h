// The few options Ordovan takes. Only these exact words, as the first
// argument, are options; any other first argument names the configuration
// file, as it always has.
#pragma once

#include <string_view>

enum class Command {
  Run,      // run the chain
  Help,     // --help, -h, and /? on Windows
  Version,  // --version, -V
  Check,    // --check [CONFIG]: say what the chain will do, run nothing
};

// What the first argument asks for.
Command CommandOf(std::string_view firstArgument);

// The usage text and the version, through the normal output channel.
void PrintHelp();
void PrintVersion();
