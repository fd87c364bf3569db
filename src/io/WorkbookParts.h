#pragma once

#include <orcus/spreadsheet/import_interface.hpp>

#include <QDate>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ss = orcus::spreadsheet;

// The parts of a workbook that liborcus hands over beside its sheets' cells: the shared
// strings that cells refer to, the date that serial numbers count from, and a budget of cells
// that stops a file from keeping the import busy for long.

// liborcus passes every text as UTF-8.
QString utf8Text(std::string_view s);

// Thrown from inside the import when a value cannot be what a well-formed file holds.
class BrokenSheet : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Thrown from inside the import to stop it once the file has reported more cells than
// any sheet whose used range fits the grid could make it report.
class TooManyCells : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SharedStrings : public ss::iface::import_shared_strings {
public:
    std::size_t append(std::string_view s) override;
    std::size_t add(std::string_view s) override;
    void set_segment_font(std::size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                ss::color_elem_t) override {}
    void append_segment(std::string_view s) override;
    std::size_t commit_segments() override;

    QString text(ss::string_id_t index) const;

private:
    std::vector<std::string> strings_; // UTF-8, as the file holds them
    std::string segments_;             // the runs of a rich string not yet committed
};

class GlobalSettings : public ss::iface::import_global_settings {
public:
    void set_origin_date(int year, int month, int day) override;
    void set_default_formula_grammar(ss::formula_grammar_t grammar) override { grammar_ = grammar; }
    ss::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
    void set_character_set(orcus::character_set_t) override {}

    QDate origin() const { return origin_; }

private:
    QDate origin_{1899, 12, 30}; // the day before Excel's day 1, less its false leap day
    ss::formula_grammar_t grammar_ = ss::formula_grammar_t::unknown;
};

// Counts the cells of every sheet, so that a file cannot keep the import busy for long.
class CellBudget {
public:
    void spend(std::int64_t cells);

private:
    // Millions more than a sheet that fits the grid needs, for the other sheets; liborcus
    // reports a repeated .ods cell once for each repetition across a row.
    std::int64_t left_ = 4'000'000;
};
