#include <gtest/gtest.h>
#include "shared/Public.h"

TEST(Public, ResetEmptiesEverything) {
    posmod::Public p;
    p.ModuleType = 5;
    p.reg.ReadAddr[1] = "1800";
    posmod::Public_Reset(p);
    EXPECT_EQ(p.ModuleType, 0);
    EXPECT_TRUE(p.reg.ReadAddr[1].empty());
}
