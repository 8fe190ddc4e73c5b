#pragma once
// Tracing the profiles of one row on two threads with exactly the results of
// tracing them one after the other through the cell store.
//
// The only state one profile hands to the next is the sample cache (the
// record number of the last type-51 access): a sample whose record equals it
// is skipped. After any access the cache holds that access's record number,
// so the cache a profile starts with is the record of the last sample access
// of the latest earlier profile that made one. Which cells a walk accesses
// depends only on the cell's position, never on the data read, so that
// record is found by walking the earlier profile without reading anything.
#include <cstdint>
#include <span>
#include <vector>

#include "engine/path_profile.h"
#include "engine/store_file.h"

namespace dorx {

struct TracedProfile {
  ProfileResult result;
  int32_t sample_cache_after = kCacheReset;
};

// Whether the file holds every record of the area, so that every sample of a
// profile (all lie inside the area) reads a whole record from it.
bool StoreHoldsArea(const StoreFile& file, const ProjectParameters& p);

// The two slots a profile sample reads (0 and 7) of every whole record of a
// readable store file, record n at n: a tenth of the bytes of the file, so
// that the samples of a row stay in the processor's caches.
std::vector<SampleValues> SampleValuesOf(const StoreFile& file);

// Samples from those values, with its own copy of the sample cache. Only for
// the values of a file for which StoreHoldsArea holds.
struct MappedSampler {
  std::span<const SampleValues> values;
  const ProjectParameters& params;
  int32_t cache;
  bool operator()(int32_t column, int32_t row, SampleValues& out);
};

// Traces cells[i] in order as one thread would, the sample cache starting at
// `sample_cache`; results[i] gets profile i and the cache after it. With
// threads >= 2 the row is cut in two parts of about equal walking length.
void TraceProfilesInOrder(std::span<const CellRecord> cells, const FieldSetup& setup,
                          const ProjectParameters& params, std::span<const SampleValues> values,
                          int32_t sample_cache,
                          int threads, std::vector<TracedProfile>& results);

}  // namespace dorx
