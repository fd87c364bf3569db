#pragma once

#include "io/UsedRange.h"
#include "io/WorkbookParts.h"

#include <optional>

// The sheets liborcus fills: the first keeps its stored values as the grid shows them, every
// later one takes its cells and keeps none of them.

// A formula cell's cached result, put into the sheet as a value when it is committed.
class FormulaResult : public ss::iface::import_formula {
public:
    explicit FormulaResult(class FirstSheet& sheet)
        : sheet_(sheet) {}

    void set_position(ss::row_t row, ss::col_t col) override;
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(std::size_t) override {}
    void set_result_string(std::string_view value) override;
    void set_result_value(double value) override;
    void set_result_bool(bool value) override;
    void set_result_empty() override { result_.reset(); }
    void commit() override;

private:
    FirstSheet& sheet_;
    ss::row_t row_ = 0;
    ss::col_t column_ = 0;
    std::optional<QString> result_;
};

// The first sheet: each value's text goes to the used range.
class FirstSheet : public ss::iface::import_sheet {
public:
    FirstSheet(const SharedStrings& strings, const GlobalSettings& settings, CellBudget& budget)
        : strings_(strings)
        , settings_(settings)
        , budget_(budget) {}

    ss::iface::import_formula* get_formula() override { return &formula_; }
    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override;
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t sindex) override;
    void set_value(ss::row_t row, ss::col_t col, double value) override;
    void set_bool(ss::row_t row, ss::col_t col, bool value) override;
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour,
                       int minute, double second) override;
    void set_format(ss::row_t, ss::col_t, std::size_t) override {}
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, std::size_t) override {}
    void fill_down_cells(ss::row_t src_row, ss::col_t src_col, ss::row_t range_size) override;
    ss::range_size_t get_sheet_size() const override;

    void setText(ss::row_t row, ss::col_t col, const QString& text);
    const UsedRange& cells() const { return cells_; }

private:
    template <typename MakeText> void put(ss::row_t row, ss::col_t col, MakeText text);

    const SharedStrings& strings_;
    const GlobalSettings& settings_;
    CellBudget& budget_;
    FormulaResult formula_{*this};
    UsedRange cells_;
};

// Any later sheet: its cells count against the budget and are not kept.
class IgnoredSheet : public ss::iface::import_sheet {
public:
    explicit IgnoredSheet(CellBudget& budget)
        : budget_(budget) {}

    void set_auto(ss::row_t, ss::col_t, std::string_view) override { budget_.spend(1); }
    void set_string(ss::row_t, ss::col_t, ss::string_id_t) override { budget_.spend(1); }
    void set_value(ss::row_t, ss::col_t, double) override { budget_.spend(1); }
    void set_bool(ss::row_t, ss::col_t, bool) override { budget_.spend(1); }
    void set_date_time(ss::row_t, ss::col_t, int, int, int, int, int, double) override {
        budget_.spend(1);
    }
    void set_format(ss::row_t, ss::col_t, std::size_t) override {}
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, std::size_t) override {}
    void fill_down_cells(ss::row_t, ss::col_t, ss::row_t range_size) override {
        budget_.spend(range_size);
    }
    ss::range_size_t get_sheet_size() const override;

private:
    CellBudget& budget_;
};
