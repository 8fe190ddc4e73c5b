#include "engine/profile_tracer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

namespace dorx {
namespace {

// Records which cells a walk would read, without reading.
struct DrySampler {
  const ProjectParameters& params;
  bool accessed = false;
  int32_t cache = kCacheReset;
  bool operator()(int32_t column, int32_t row, SampleValues&) {
    accessed = true;
    cache = RecordNumber(params, column, row);
    return false;
  }
};

// The sample cache before profile k: from the latest earlier profile that
// accesses a sample, else the cache the row started with.
int32_t SampleCacheBefore(std::span<const CellRecord> cells, size_t k, const FieldSetup& setup,
                          const ProjectParameters& params, int32_t row_start_cache) {
  for (size_t i = k; i-- > 0;) {
    DrySampler dry{params};
    PathProfile path;
    ResetProfile(path, cells[i], setup);
    WalkProfile(path, cells[i], setup, dry);
    if (dry.accessed) return dry.cache;
  }
  return row_start_cache;
}

// Where to cut the row so that both parts walk about as far: a walk takes
// ten steps per cell along its main direction.
size_t BalancedSplit(std::span<const CellRecord> cells, const FieldSetup& setup) {
  std::vector<double> cost(cells.size());
  double total = 0;
  for (size_t i = 0; i < cells.size(); ++i) {
    const ProfileOffsets o = OffsetsOf(cells[i], setup);
    cost[i] = std::max(std::fabs(o.t), std::fabs(o.u)) + 1;
    if (!std::isfinite(cost[i])) cost[i] = 1;
    total += cost[i];
  }
  double running = 0;
  for (size_t i = 0; i < cells.size(); ++i) {
    running += cost[i];
    if (running >= total / 2) return std::min(i + 1, cells.size() - 1);
  }
  return cells.size() / 2;
}

void TraceRange(std::span<const CellRecord> cells, size_t begin, size_t end, const FieldSetup& setup,
                MappedSampler sampler, std::vector<TracedProfile>& results) {
  for (size_t i = begin; i < end; ++i) {
    results[i].result = TraceProfile(cells[i], setup, sampler);
    results[i].sample_cache_after = sampler.cache;
  }
}

}  // namespace

bool StoreHoldsArea(const StoreFile& file, const ProjectParameters& p) {
  if (!file.IsReadable()) return false;
  if (int64_t{p.Range_West} + p.Range_East <= 0 || int64_t{p.Range_South} + p.Range_North <= 0) return true;
  if (p.Range_West < 0 || p.Range_South < 0 || p.Range_East < 1 || p.Range_North < 1) return false;
  const int64_t last = RecordNumber(p, p.Range_East - 1, p.Range_North - 1);
  return last >= 0 && last < INT32_MAX && (last + 1) * kRecordBytes64 <= file.size();
}

std::vector<SampleValues> SampleValuesOf(const StoreFile& file) {
  std::vector<SampleValues> values(file.IsReadable() ? static_cast<size_t>(file.size() / kRecordBytes64) : 0);
  const uint8_t* record = file.data();
  for (SampleValues& v : values) {
    std::memcpy(&v.elevation, record + kElevation * sizeof(double), sizeof(double));
    std::memcpy(&v.distance_m, record + kDistance * sizeof(double), sizeof(double));
    record += kRecordBytes64;
  }
  return values;
}

bool MappedSampler::operator()(int32_t column, int32_t row, SampleValues& out) {
  const int32_t n = RecordNumber(params, column, row);
  if (n == cache) return false;
  cache = n;
  // Unreachable for the values of a file that holds the area, which is the
  // condition of use.
  if (n < 0 || static_cast<size_t>(n) >= values.size()) return false;
  out = values[static_cast<size_t>(n)];
  return true;
}

void TraceProfilesInOrder(std::span<const CellRecord> cells, const FieldSetup& setup,
                          const ProjectParameters& params, std::span<const SampleValues> values,
                          int32_t sample_cache, int threads, std::vector<TracedProfile>& results) {
  results.resize(cells.size());
  if (threads < 2 || cells.size() < 2) {
    TraceRange(cells, 0, cells.size(), setup, MappedSampler{values, params, sample_cache}, results);
    return;
  }
  const size_t split = BalancedSplit(cells, setup);
  std::thread second([&] {
    const int32_t cache = SampleCacheBefore(cells, split, setup, params, sample_cache);
    TraceRange(cells, split, cells.size(), setup, MappedSampler{values, params, cache}, results);
  });
  TraceRange(cells, 0, split, setup, MappedSampler{values, params, sample_cache}, results);
  second.join();
}

}  // namespace dorx
