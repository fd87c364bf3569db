#include "cli/RepeatedNames.h"

#include <gtest/gtest.h>

namespace {

TEST(RepeatedNamesTest, EveryNameAddedTwiceMayRepeatAndFewAddedOnceDo) {
    constexpr int Count = 100000;
    const auto name = [](int i) { return QStringLiteral("/charts/売上 %1.png").arg(i); };
    RepeatedNames names;
    for (int i = 0; i < Count; ++i)
        names.add(name(i));
    for (int i = 0; i < Count; i += 1000)
        names.add(name(i)); // these come again
    int sharingBits = 0;
    for (int i = 0; i < Count; ++i) {
        if (i % 1000 == 0)
            EXPECT_TRUE(names.mayRepeat(name(i))) << i;
        else
            sharingBits += names.mayRepeat(name(i));
    }
    EXPECT_LT(sharingBits, Count / 10); // about one in twenty, by chance
}

} // namespace
