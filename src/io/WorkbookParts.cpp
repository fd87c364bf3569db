#include "io/WorkbookParts.h"

#include <algorithm>

QString utf8Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::size_t SharedStrings::append(std::string_view s) {
    strings_.emplace_back(s);
    return strings_.size() - 1;
}

// Equal strings need not share an index: the sheet only ever asks for the text of one.
std::size_t SharedStrings::add(std::string_view s) {
    return append(s);
}

void SharedStrings::append_segment(std::string_view s) {
    segments_ += s;
}

std::size_t SharedStrings::commit_segments() {
    strings_.push_back(std::move(segments_));
    segments_.clear();
    return strings_.size() - 1;
}

QString SharedStrings::text(ss::string_id_t index) const {
    if (index >= strings_.size())
        throw BrokenSheet("a cell refers to a string the file does not have");
    return utf8Text(strings_[index]);
}

void GlobalSettings::set_origin_date(int year, int month, int day) {
    const QDate origin(year, month, day);
    if (!origin.isValid())
        throw BrokenSheet("the date that serial numbers count from is not a date");
    origin_ = origin;
}

void CellBudget::spend(std::int64_t cells) {
    left_ -= std::max<std::int64_t>(cells, 1);
    if (left_ < 0)
        throw TooManyCells("the file reports too many cells");
}
