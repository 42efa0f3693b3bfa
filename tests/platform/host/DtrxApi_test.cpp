// SPDX-License-Identifier: MIT
#include "platform/host/DtrxApi.h"

#include <gtest/gtest.h>

TEST(DtrxApi, AnswersTheHostSdkVersion) { EXPECT_EQ(dtrxGetApiVersion(), 0x00110000u); }
