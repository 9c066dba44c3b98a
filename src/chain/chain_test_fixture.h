// Shared set-up for the tests of the chain: a fake console that takes every
// line at once, so each output operation shows up as one event.
#pragma once

#include <gtest/gtest.h>

#include "config/load_config.h"
#include "console/output.h"
#include "platform/platform-fake.h"

class ChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakes();
    ReleaseChainTable();
  }
  // A fresh fake console, for tests that try several cases in a row.
  static void ResetFakes() {
    fake::Reset();
    fake::state.outputKind = platform::OutputKind::CharDevice;
    InitStandardOutput();
  }
  void TearDown() override { ReleaseChainTable(); }

  static std::string Bullet() { return std::string(kBullet); }
  static const std::vector<std::string>& Events() { return fake::state.events; }
};
