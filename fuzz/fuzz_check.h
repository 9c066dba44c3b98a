// What every fuzz target uses to report a broken property: it prints what
// was wrong and aborts, so that libFuzzer keeps the input as a reproducer.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

inline void Require(bool holds, const char* property, const std::string& detail = {}) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n%s\n", property, detail.c_str());
  std::abort();
}
