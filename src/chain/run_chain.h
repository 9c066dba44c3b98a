#pragma once

// Walks the eleven slots of the chain table in order and starts every filled
// one. Returns false when an entry in mode "wait" could not be started.
bool RunChain();
