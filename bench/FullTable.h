#pragma once

#include "data/TableContents.h"

// A full table for the benchmarks: 10 rows of 12 values, every label and text filled.
inline TableContents fullTable() {
    TableContents boxes;
    for (int r = 1; r <= 10; ++r) {
        boxes.setRowLabel(r, QStringLiteral("行ラベル %1").arg(r));
        for (int c = 1; c <= 12; ++c)
            boxes.setValue(r, c, QString::number((r * 37 + c * 11) % 97 + 1));
    }
    for (int c = 1; c <= 12; ++c)
        boxes.setColumnLabel(c, QStringLiteral("列 %1").arg(c));
    boxes.setDescription(Description::Title, QStringLiteral("全国の売上構成"));
    boxes.setDescription(Description::Unit, QStringLiteral("百万円"));
    boxes.setDescription(Description::Source, QStringLiteral("社内資料"));
    boxes.setDescription(Description::Note, QStringLiteral("概数"));
    boxes.setDescription(Description::Author, QStringLiteral("企画部"));
    return boxes;
}
