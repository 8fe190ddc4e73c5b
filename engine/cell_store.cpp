#include "engine/cell_store.h"

#include <algorithm>
#include <bit>

namespace dorx {

// Records are moved to and from the files as they lie in memory.
static_assert(std::endian::native == std::endian::little, "records are little-endian doubles");

namespace {

int32_t CutTo32(int64_t n) {
  return static_cast<int32_t>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX));
}

// Integer division truncating toward zero, as C's.
int64_t Quotient(int64_t x, int64_t y) { return x / y; }

bool IsTransferType(int type) {
  switch (type) {
    case READ_A: case READ_B: case READ_A_RESULT: case READ_B_RESULT:
    case WRITE_A: case WRITE_B: case WRITE_A_RESULT: case WRITE_B_RESULT:
    case READ_B_SAMPLE:
      return true;
    default:
      return false;
  }
}

}  // namespace

int32_t CoarseStep(const ProjectParameters& p) { return p.Coarse >= 1 ? p.Coarse : 1; }

int32_t RecordNumber(const ProjectParameters& p, int32_t a, int32_t b) {
  const int64_t columns = int64_t{p.Range_West} + p.Range_East;
  const int64_t row = int64_t{p.Range_South} + b;
  const int64_t column = int64_t{p.Range_West} + a;
  if (p.Flag_Reduction == 0) return CutTo32(columns * row + column);
  const int64_t c = CoarseStep(p);
  return CutTo32(Quotient(columns, c) * Quotient(row, c) + Quotient(column, c));
}

int64_t RecordOffset(int type, int32_t n) {
  const bool behind_header = (type % 10) == 5 || (type % 10) == 7;
  return (behind_header ? kResultHeaderBytes64 : 0) + int64_t{n} * kRecordBytes64;
}

void ReadRecordAt(const StoreFile& file, int64_t offset, CellRecord& record) {
  file.ReadAt(offset, record.slot.data(), sizeof(CellRecord));
}

int CellAccess(CellStore& store, const ProjectParameters& p, int type, int32_t a, int32_t b) {
  if (type == RESET_CACHE) {
    store.AccessCache.fill(kCacheReset);
    return 0;
  }
  const int32_t n = RecordNumber(p, a, b);
  if (!IsTransferType(type)) return type;
  int32_t& cached = store.AccessCache[static_cast<size_t>(type)];
  if (cached == n) return -1;

  const int64_t offset = RecordOffset(type, n);
  const int units = type % 10;
  StoreFile& file = (units == 1 || units == 5) ? store.StoreFileA : store.StoreFileB;
  switch (type / 10) {
    case 1:
      ReadRecordAt(file, offset, store.CurrentRecord);
      break;
    case 3:
      file.WriteAt(offset, store.CurrentRecord.slot.data(), sizeof(CellRecord));
      break;
    default:  // 51: the sample read
      ReadRecordAt(store.StoreFileB, offset, store.SampleRecord);
      break;
  }
  cached = n;
  return 1;
}

}  // namespace dorx
