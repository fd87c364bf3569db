#include "cli/PathSet.h"

#include <gtest/gtest.h>

namespace {

TEST(PathSetTest, KnowsEveryPathPutInAndNoOtherAsItGrows) {
    PathSet paths;
    const auto path = [](int i) { return QStringLiteral("/charts/売上 %1.png").arg(i); };
    for (int i = 0; i < 5000; i += 2) {
        paths.insert(path(i));
        paths.insert(path(i)); // twice is once
    }
    for (int i = 0; i < 5000; ++i)
        EXPECT_EQ(paths.contains(path(i)), i % 2 == 0) << i;
}

} // namespace
