#include "io/ImportedSheets.h"

#include "data/NumberFormat.h"

#include <cmath>

namespace {

constexpr ss::range_size_t SheetSize{1'048'576, 16'384}; // as large as Excel's

// A number as the grid shows numbers: the general form with 15 significant digits. A value
// that is not finite is none a sheet can hold: liborcus reads an empty one as NaN, and the
// cell is left without a value.
std::optional<QString> numberText(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    return generalNumber(value);
}

QString boolText(bool value) {
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

} // namespace

void FormulaResult::set_position(ss::row_t row, ss::col_t col) {
    row_ = row;
    column_ = col;
    result_.reset();
}

void FormulaResult::set_result_string(std::string_view value) {
    result_ = utf8Text(value);
}

void FormulaResult::set_result_value(double value) {
    result_ = numberText(value);
}

void FormulaResult::set_result_bool(bool value) {
    result_ = boolText(value);
}

// A formula without a cached result leaves its cell empty: the program does not calculate.
void FormulaResult::commit() {
    if (result_)
        sheet_.setText(row_, column_, *result_);
    result_.reset();
}

template <typename MakeText> void FirstSheet::put(ss::row_t row, ss::col_t col, MakeText text) {
    budget_.spend(1);
    cells_.set(row, col, text);
}

void FirstSheet::setText(ss::row_t row, ss::col_t col, const QString& text) {
    put(row, col, [&] { return text; });
}

void FirstSheet::set_auto(ss::row_t row, ss::col_t col, std::string_view s) {
    put(row, col, [&] { return utf8Text(s); });
}

void FirstSheet::set_string(ss::row_t row, ss::col_t col, ss::string_id_t sindex) {
    put(row, col, [&] { return strings_.text(sindex); });
}

void FirstSheet::set_value(ss::row_t row, ss::col_t col, double value) {
    if (std::isfinite(value))
        put(row, col, [&] { return generalNumber(value); });
}

void FirstSheet::set_bool(ss::row_t row, ss::col_t col, bool value) {
    put(row, col, [&] { return boolText(value); });
}

// A date becomes its serial number: days since the origin, the time of day as the fraction.
void FirstSheet::set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour,
                               int minute, double second) {
    const QDate date(year, month, day);
    if (!date.isValid())
        throw BrokenSheet("a cell holds a date that does not exist");
    const double days = static_cast<double>(settings_.origin().daysTo(date));
    const double seconds = hour * 3600.0 + minute * 60.0 + second;
    set_value(row, col, days + seconds / 86400.0);
}

void FirstSheet::fill_down_cells(ss::row_t src_row, ss::col_t src_col, ss::row_t range_size) {
    budget_.spend(range_size);
    cells_.fillDown(src_row, src_col, range_size);
}

ss::range_size_t FirstSheet::get_sheet_size() const {
    return SheetSize;
}

ss::range_size_t IgnoredSheet::get_sheet_size() const {
    return SheetSize;
}
