#include "files/datum_table.h"

#include <algorithm>

namespace dorx {
namespace {

const DatumShiftTable::Entry kEndEntry{};

}  // namespace

const DatumShiftTable::Entry& DatumShiftTable::At(int32_t position) const {
  if (position >= 0 && position < count()) return entries_[static_cast<size_t>(position)];
  return kEndEntry;
}

void DatumShiftTable::Assign(std::vector<Entry> entries) {
  if (entries.size() > static_cast<size_t>(kCapacity)) entries.resize(static_cast<size_t>(kCapacity));
  entries_ = std::move(entries);
  const int32_t n = count();
  const int32_t s = n / 128;
  index_.assign(129, IndexEntry{kEndCode, n});
  for (int32_t k = 0; k < 128; ++k) index_[static_cast<size_t>(k)] = IndexEntry{At(k * s).code, k * s};
  sorted_ = std::is_sorted(entries_.begin(), entries_.end(),
                           [](const Entry& x, const Entry& y) { return x.code < y.code; }) &&
            (entries_.empty() || entries_.back().code <= kEndCode);
}

DatumShift DatumShiftTable::Lookup(int32_t key) const {
  if (index_.empty()) return DatumShift{};
  int32_t k = -1;
  for (int32_t i = 0; i < 128; ++i) {
    if (index_[static_cast<size_t>(i)].code <= key && key <= index_[static_cast<size_t>(i) + 1].code) {
      k = i;
      break;
    }
  }
  if (k < 0) return DatumShift{};
  const int32_t start = index_[static_cast<size_t>(k)].start;
  const int32_t n = count();

  if (sorted_ && key <= kEndCode) {
    // In ascending order the first p >= start with code p <= key <= code p+1
    // is the later of start and the position before the first code >= key.
    const auto first_not_below = std::lower_bound(
        entries_.begin(), entries_.end(), key, [](const Entry& e, int32_t v) { return e.code < v; });
    const int32_t lb = static_cast<int32_t>(first_not_below - entries_.begin());
    const int32_t p = std::max(start, lb - 1);
    if (p < n && At(p).code <= key && key <= At(p + 1).code) return At(p).shift;
    return DatumShift{};
  }
  for (int32_t p = start; p < n; ++p) {
    if (At(p).code <= key && key <= At(p + 1).code) return At(p).shift;
  }
  return DatumShift{};
}

}  // namespace dorx
