#include <gtest/gtest.h>
#include "core/cards.h"
TEST(Cards, Placeholder) { EXPECT_EQ(vrek::dealerOf(1), 1); }
