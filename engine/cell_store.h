#pragma once
// The cell store: two open record files, two record buffers and the access
// cache, all reached through CellAccess.
#include <array>
#include <cstdint>

#include "engine/cell_record.h"
#include "engine/store_file.h"
#include "files/project_parameters.h"

namespace dorx {

enum AccessType : int {
  RESET_CACHE = 0,
  READ_A = 11,
  READ_B = 13,
  READ_A_RESULT = 15,
  READ_B_RESULT = 17,
  WRITE_A = 31,
  WRITE_B = 33,
  WRITE_A_RESULT = 35,
  WRITE_B_RESULT = 37,
  READ_B_SAMPLE = 51,
};

inline constexpr int32_t kCacheReset = -9999;

struct CellStore {
  StoreFile StoreFileA;
  StoreFile StoreFileB;
  CellRecord CurrentRecord{};
  CellRecord SampleRecord{};
  std::array<int32_t, 128> AccessCache{};

  CellStore() {
    CurrentRecord.Clear();
    SampleRecord.Clear();
    AccessCache.fill(kCacheReset);
  }
};

inline constexpr int64_t kRecordBytes64 = 160;
inline constexpr int64_t kResultHeaderBytes64 = 488;

// The Coarse step of the store and the passes: a Coarse below 1 (which the
// parameter checks never let through) counts as 1, so no division by zero.
int32_t CoarseStep(const ProjectParameters& p);

// The record number of cell (a, b) under the current ranges, Coarse and
// Flag_Reduction. Computed in 64 bits and cut to the 32-bit range, so no
// parameter set can overflow it; within the limits of a run it is exact.
int32_t RecordNumber(const ProjectParameters& p, int32_t a, int32_t b);

// The byte position of record n in its file: n x 160, behind the 488-byte
// header for the result access types.
int64_t RecordOffset(int type, int32_t n);

// One block transfer from a file into a record buffer, as a seek and a
// 160-byte read: the bytes present are copied, the rest of the buffer stays.
void ReadRecordAt(const StoreFile& file, int64_t offset, CellRecord& record);

// 1 when the transfer was performed, -1 when the cache matched, 0 for
// RESET_CACHE, the type itself for an unknown type.
int CellAccess(CellStore& store, const ProjectParameters& p, int type, int32_t a, int32_t b);

}  // namespace dorx
