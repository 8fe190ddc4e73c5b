#pragma once
// The Tokyo-to-JGD2000 datum-shift table: 8-digit third-mesh codes with the
// latitude and longitude shifts in arc-seconds, ascending by code.
#include <cstdint>
#include <vector>

namespace dorx {

struct DatumShift {
  double latitude_arcsec = 0.0;
  double longitude_arcsec = 0.0;
};

class DatumShiftTable {
 public:
  static constexpr int32_t kCapacity = 1048576;
  static constexpr int32_t kEndCode = 99999999;

  struct Entry {
    int32_t code = kEndCode;
    DatumShift shift;
  };

  // Every position after the last entry reads as the end marker.
  const Entry& At(int32_t position) const;
  int32_t count() const { return static_cast<int32_t>(entries_.size()); }

  // Replaces the table; the entries are used in the order given (at most
  // kCapacity), and the 129-entry block index is rebuilt.
  void Assign(std::vector<Entry> entries);

  // LookupDatumShift: (0, 0) when no bracket matches. Both comparisons include
  // both ends and the first bracket found wins.
  DatumShift Lookup(int32_t key) const;

 private:
  struct IndexEntry {
    int32_t code;
    int32_t start;
  };
  std::vector<Entry> entries_;
  std::vector<IndexEntry> index_;  // 129 entries once built
  bool sorted_ = true;
};

}  // namespace dorx
