#include "data/InputData.h"

#include "data/DataTable.h"
#include "data/DisplayNumber.h"
#include "data/NumericPrefix.h"
#include "data/RuntimeError.h"
#include "data/TableContents.h"

void inputData(const TableContents& boxes, DataTable& table) {
    for (int c = 1; c <= DataTable::DataColumns; ++c)
        table(0, c) = boxes.columnLabel(c);
    for (int r = 1; r <= DataTable::DataRows; ++r) {
        table(r, 0) = boxes.rowLabel(r);
        for (int c = 1; c <= DataTable::DataColumns; ++c) {
            try {
                const QString typed = boxes.value(r, c);
                table(r, c) = numericPrefix(plainNumber(typed).value_or(typed));
            } catch (RuntimeError& error) {
                error.valueBox = {r, c};
                throw;
            }
        }
    }
    for (Description which : AllDescriptions)
        table(DataTable::DescriptionRow, static_cast<int>(which)) = boxes.description(which);
}
