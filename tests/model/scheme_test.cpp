#include "model/scheme.h"

#include <gtest/gtest.h>

using namespace lumeris;

TEST(SchemeSmoke, CreatesItems) {
    Scheme s;
    CPoint* a = s.createItem("A", 0, 0);
    EXPECT_EQ(a->id, 1);
}
