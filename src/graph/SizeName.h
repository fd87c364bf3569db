#pragma once

#include "graph/GraphSize.h"

#include <QString>

#include <iterator>
#include <optional>

// The graph sizes by name, as the command line takes them and the recovery file keeps them.
inline constexpr GraphSize AllGraphSizes[] = {GraphSize::Standard, GraphSize::Tall,
                                              GraphSize::Wide};

inline QString sizeName(GraphSize size) {
    switch (size) {
    case GraphSize::Tall:
        return QStringLiteral("tall");
    case GraphSize::Wide:
        return QStringLiteral("wide");
    case GraphSize::Standard:
        break;
    }
    return QStringLiteral("standard");
}

inline std::optional<GraphSize> sizeNamed(const QString& name) {
    for (GraphSize size : AllGraphSizes)
        if (sizeName(size) == name)
            return size;
    return std::nullopt;
}
