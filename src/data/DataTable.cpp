#include "data/DataTable.h"

#include "data/NumericPrefix.h"

#include <stdexcept>

double DataTable::number(int r, int c) const {
    const Cell& cell = (*this)(r, c);
    if (const double* value = std::get_if<double>(&cell))
        return *value;
    if (const QString* text = std::get_if<QString>(&cell))
        return numericPrefix(*text);
    return 0.0;
}

std::size_t DataTable::index(int r, int c) {
    if (r < 0 || r >= Rows || c < 0 || c >= Columns)
        throw std::out_of_range("no such cell of the dataset");
    return static_cast<std::size_t>(r * Columns + c);
}
