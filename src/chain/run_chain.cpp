#include "chain/run_chain.h"

#include "config/load_config.h"

bool RunChain() {
  for (const ChainEntry& entry : ChainTable) {
    if (entry.Name.empty()) continue;
  }
  return true;
}
