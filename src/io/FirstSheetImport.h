#pragma once

#include "io/A1Reference.h"
#include "io/ImportedSheets.h"
#include "io/WorkbookParts.h"

#include <memory>
#include <string>
#include <vector>

// What liborcus's spreadsheet filters import into, kept only as far as the program reads it:
// the first sheet's stored values and what they need.
class FirstSheetImport : public ss::iface::import_factory {
public:
    ss::iface::import_global_settings* get_global_settings() override { return &settings_; }
    ss::iface::import_shared_strings* get_shared_strings() override { return &strings_; }
    ss::iface::import_reference_resolver*
    get_reference_resolver(ss::formula_ref_context_t) override {
        return &reference_;
    }
    ss::iface::import_sheet* append_sheet(ss::sheet_t sheet_index, std::string_view name) override;
    ss::iface::import_sheet* get_sheet(std::string_view name) override;
    ss::iface::import_sheet* get_sheet(ss::sheet_t sheet_index) override;
    void finalize() override {}

    // Null until the file has named a sheet.
    const FirstSheet* firstSheet() const { return first_.get(); }
    // Whether liborcus asked for the first sheet by its name, as its .xlsx filter does before
    // it reads the sheet's cells, and does not when it cannot find the sheet's part.
    bool firstSheetNamed() const { return firstSheetNamed_; }

private:
    GlobalSettings settings_;
    SharedStrings strings_;
    A1Reference reference_;
    CellBudget budget_;
    std::unique_ptr<FirstSheet> first_;
    IgnoredSheet ignored_{budget_};
    std::vector<std::string> names_; // every sheet's name, in the order the file gives them
    bool firstSheetNamed_ = false;
};
