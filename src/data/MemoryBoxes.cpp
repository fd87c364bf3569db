#include "data/MemoryBoxes.h"

namespace {
std::size_t descriptionIndex(Description which) {
    return static_cast<std::size_t>(which) - 1;
}
} // namespace

QString MemoryBoxes::value(int row, int column) const {
    return values_.at(row - 1).at(column - 1);
}

QString MemoryBoxes::rowLabel(int row) const {
    return rowLabels_.at(row - 1);
}

QString MemoryBoxes::columnLabel(int column) const {
    return columnLabels_.at(column - 1);
}

QString MemoryBoxes::description(Description which) const {
    return descriptions_.at(descriptionIndex(which));
}

void MemoryBoxes::setValue(int row, int column, const QString& text) {
    values_.at(row - 1).at(column - 1) = text;
}

void MemoryBoxes::setRowLabel(int row, const QString& text) {
    rowLabels_.at(row - 1) = text;
}

void MemoryBoxes::setColumnLabel(int column, const QString& text) {
    columnLabels_.at(column - 1) = text;
}

void MemoryBoxes::setDescription(Description which, const QString& text) {
    descriptions_.at(descriptionIndex(which)) = text;
}
