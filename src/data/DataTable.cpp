#include "data/DataTable.h"

#include "data/NumericPrefix.h"

double DataTable::number(int r, int c) const {
    const Cell& cell = (*this)(r, c);
    if (const double* value = std::get_if<double>(&cell))
        return *value;
    if (const QString* text = std::get_if<QString>(&cell))
        return numericPrefix(*text);
    return 0.0;
}
