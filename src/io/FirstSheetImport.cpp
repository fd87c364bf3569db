#include "io/FirstSheetImport.h"

#include <algorithm>

ss::iface::import_sheet* FirstSheetImport::append_sheet(ss::sheet_t, std::string_view name) {
    names_.emplace_back(name);
    if (first_)
        return &ignored_;
    first_ = std::make_unique<FirstSheet>(strings_, settings_, budget_);
    return first_.get();
}

ss::iface::import_sheet* FirstSheetImport::get_sheet(std::string_view name) {
    const auto found = std::find(names_.begin(), names_.end(), name);
    if (found == names_.end())
        return nullptr;
    if (found == names_.begin()) {
        firstSheetNamed_ = true;
        return first_.get();
    }
    return &ignored_;
}

ss::iface::import_sheet* FirstSheetImport::get_sheet(ss::sheet_t sheet_index) {
    if (sheet_index < 0 || static_cast<std::size_t>(sheet_index) >= names_.size())
        return nullptr;
    if (sheet_index == 0)
        return first_.get();
    return &ignored_;
}
