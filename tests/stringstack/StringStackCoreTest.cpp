#include "stringstack/StringStack.h"
#include <gtest/gtest.h>
TEST(StringStackCore, Smoke) { kesta::StringStack s; s.Queue("a"); EXPECT_EQ(s.Depth, 1); }
