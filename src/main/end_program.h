#pragma once

// Exit statuses of a run.
inline constexpr int kExitOk = 0;             // the chain ran to its end
inline constexpr int kExitError = 1;          // an error ended the run (see the report)
inline constexpr int kExitConfigMissing = 2;  // the configuration file was not found
inline constexpr int kExitStartFailed = 3;    // the chain ran, but a "wait" entry did not start
inline constexpr int kExitCheckFindings = 4;  // --check found something

// The one orderly end of the program: releases the chain table, writes out
// what is left of the output and ends the process with the given status.
[[noreturn]] void EndProgram(int status);
