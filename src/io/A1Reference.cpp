#include "io/A1Reference.h"

#include <orcus/exception.hpp>

#include <string>

namespace {

// The largest sheet of Excel: columns A to XFD, rows 1 to 1048576.
constexpr int Columns = 16'384;
constexpr int Rows = 1'048'576;

[[noreturn]] void refuse(std::string_view address) {
    throw orcus::invalid_arg_error("not a cell address: " + std::string(address));
}

} // namespace

orcus::spreadsheet::src_address_t A1Reference::resolve_address(std::string_view address) {
    std::size_t i = 0;
    auto skipDollar = [&] {
        if (i < address.size() && address[i] == '$')
            ++i;
    };
    skipDollar();
    int column = 0;
    for (; i < address.size() && address[i] >= 'A' && address[i] <= 'Z'; ++i) {
        column = column * 26 + (address[i] - 'A' + 1);
        if (column > Columns)
            refuse(address);
    }
    skipDollar();
    int row = 0;
    for (; i < address.size() && address[i] >= '0' && address[i] <= '9'; ++i) {
        row = row * 10 + (address[i] - '0');
        if (row > Rows)
            refuse(address);
    }
    if (i != address.size() || column == 0 || row == 0)
        refuse(address);
    return {0, row - 1, column - 1};
}

orcus::spreadsheet::src_range_t A1Reference::resolve_range(std::string_view range) {
    const std::size_t colon = range.find(':');
    if (colon == std::string_view::npos) {
        const auto cell = resolve_address(range);
        return {cell, cell};
    }
    return {resolve_address(range.substr(0, colon)), resolve_address(range.substr(colon + 1))};
}
