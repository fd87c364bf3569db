#pragma once

#include "data/EntryBoxes.h"

#include <array>

// Entry boxes held in memory: the texts of a table without a window, for the command line's
// charts drawn from files, the tests and the benchmarks.
class MemoryBoxes : public EntryBoxes {
public:
    QString value(int row, int column) const override;
    QString rowLabel(int row) const override;
    QString columnLabel(int column) const override;
    QString description(Description which) const override;

    void setValue(int row, int column, const QString& text) override;
    void setRowLabel(int row, const QString& text) override;
    void setColumnLabel(int column, const QString& text) override;
    void setDescription(Description which, const QString& text) override;

private:
    std::array<std::array<QString, 12>, 10> values_;
    std::array<QString, 10> rowLabels_;
    std::array<QString, 12> columnLabels_;
    std::array<QString, 5> descriptions_;
};
