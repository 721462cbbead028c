#include <gtest/gtest.h>
#include "commands/opdrachten.h"

TEST(Opdrachten, TabelHeeftTweeEnTwintigRegels) { EXPECT_EQ(plovena::Opdrachten().size(), 22u); }
