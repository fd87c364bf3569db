#pragma once

#include <orcus/spreadsheet/import_interface.hpp>

#include <string_view>

// Cell and range addresses in the A1 form of .xlsx files (B2, $B$2, A1:C3), as liborcus asks
// the program to resolve them while it reads a sheet. Anything else is refused with
// orcus::invalid_arg_error, as the interface asks.
class A1Reference : public orcus::spreadsheet::iface::import_reference_resolver {
public:
    orcus::spreadsheet::src_address_t resolve_address(std::string_view address) override;
    orcus::spreadsheet::src_range_t resolve_range(std::string_view range) override;
};
