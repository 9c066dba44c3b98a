#pragma once

#include <cstdint>

// Counts a pause down, one step a second, on one console row (ended by a
// carriage return alone, so each step overwrites the last) and in the window
// title. Nothing happens for 0 or less.
void PauseSeconds(std::int32_t seconds);
