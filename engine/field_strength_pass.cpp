#include "engine/field_strength_pass.h"

#include <vector>

#include "engine/path_profile.h"
#include "engine/profile_tracer.h"

namespace dorx {
namespace {

// What the pass keeps from cell to cell and row to row.
struct PassState {
  FieldSetup setup;
  bool mapped = false;  // trace from the mapped file on two threads
  int threads = 1;
  ProfileResult last;                      // FieldStrength, LineOfSightFlag
  std::vector<ProfileResult> row_results;  // RowResults
  std::vector<CellRecord> cells;           // the cells a row traces
  std::vector<int32_t> columns;            // their column offsets
  std::vector<TracedProfile> traced;
  std::vector<SampleValues> samples;  // of the mapped geometry file
};

void StoreResult(CellRecord& record, const ProfileResult& r) {
  record.slot[kFieldStrength] = r.field_strength;
  record.slot[kLineOfSight] = r.line_of_sight;
}

void ReportCell(Context& ctx, WindowLink& link, int32_t a, int32_t b) {
  link.ShowMessageCode(5005, a + ctx.params.Range_West, b + ctx.params.Range_South);
}

ProfileResult TraceCurrentRecord(Context& ctx, const PassState& s) {
  StoreSampler sampler{ctx.store, ctx.params};
  return TraceProfile(ctx.store.CurrentRecord, s.setup, sampler);
}

// Traces the gathered cells on two threads and leaves the sample cache as
// tracing them in order through the store would.
void TraceGathered(Context& ctx, PassState& s) {
  TraceProfilesInOrder(s.cells, s.setup, ctx.params, s.samples, ctx.store.AccessCache[READ_B_SAMPLE], s.threads,
                       s.traced);
  if (!s.traced.empty()) ctx.store.AccessCache[READ_B_SAMPLE] = s.traced.back().sample_cache_after;
}

bool IsComputedColumn(int32_t a, int32_t c, int32_t west) { return a % c == 0 || a == -west; }

// The computing half of a row without reduction: the cells at a multiple of
// Coarse (and the first column) are traced, the others repeat the last one.
void ComputeRowInOrder(Context& ctx, PassState& s, int32_t b, int32_t c) {
  const ProjectParameters& p = ctx.params;
  size_t j = 0;
  for (int32_t a = -p.Range_West; a < p.Range_East && !ctx.StopRequested; ++a) {
    if (IsComputedColumn(a, c, p.Range_West)) {
      ctx.CellAccess(READ_B, a, b);
      s.last = TraceCurrentRecord(ctx, s);
    }
    s.row_results[j++] = s.last;
  }
}

// The same on two threads. The reads of the traced cells leave the type-13
// cache and CurrentRecord at the last traced cell, as the loop above does.
void ComputeRowMapped(Context& ctx, PassState& s, int32_t b, int32_t c) {
  const ProjectParameters& p = ctx.params;
  s.cells.clear();
  int32_t last_record = kCacheReset;
  for (int32_t a = -p.Range_West; a < p.Range_East; ++a) {
    if (!IsComputedColumn(a, c, p.Range_West)) continue;
    last_record = RecordNumber(p, a, b);
    s.cells.emplace_back();
    ReadRecordAt(ctx.store.StoreFileB, RecordOffset(READ_B, last_record), s.cells.back());
  }
  TraceGathered(ctx, s);
  if (!s.cells.empty()) {
    ctx.store.AccessCache[READ_B] = last_record;
    ctx.store.CurrentRecord = s.cells.back();
  }
  size_t j = 0, traced = 0;
  for (int32_t a = -p.Range_West; a < p.Range_East; ++a) {
    if (IsComputedColumn(a, c, p.Range_West)) s.last = s.traced[traced++].result;
    s.row_results[j++] = s.last;
  }
}

void WriteRow(Context& ctx, WindowLink& link, PassState& s, int32_t b) {
  const ProjectParameters& p = ctx.params;
  size_t l = 0;
  for (int32_t a = -p.Range_West; a < p.Range_East && !ctx.StopRequested; ++a) {
    ctx.CellAccess(READ_B, a, b);
    StoreResult(ctx.store.CurrentRecord, s.row_results[l++]);
    ctx.CellAccess(WRITE_A_RESULT, a, b);
    ReportCell(ctx, link, a, b);
  }
}

void CoarseRow(Context& ctx, WindowLink& link, PassState& s, int32_t b) {
  const int32_t c = CoarseStep(ctx.params);
  if (b % c == 0 || b == -ctx.params.Range_South) {
    if (s.mapped) ComputeRowMapped(ctx, s, b, c);
    else ComputeRowInOrder(ctx, s, b, c);
  }
  WriteRow(ctx, link, s, b);
}

// Wide-area mode: every reduced record is traced at the first cell of the
// row that reads it fresh.
void WideAreaRowInOrder(Context& ctx, WindowLink& link, PassState& s, int32_t b) {
  const ProjectParameters& p = ctx.params;
  for (int32_t a = -p.Range_West; a < p.Range_East && !ctx.StopRequested; ++a) {
    if (ctx.CellAccess(READ_B, a, b) == 1) {
      s.last = TraceCurrentRecord(ctx, s);
      StoreResult(ctx.store.CurrentRecord, s.last);
      ctx.CellAccess(WRITE_A_RESULT, a, b);
    }
    ReportCell(ctx, link, a, b);
  }
}

// The same with the row's profiles traced on two threads first. A fresh read
// of type 13 happens exactly where the record number changes from the
// previous access, so the traced cells are known before the row runs.
void WideAreaRowMapped(Context& ctx, WindowLink& link, PassState& s, int32_t b) {
  const ProjectParameters& p = ctx.params;
  s.cells.clear();
  int32_t previous = ctx.store.AccessCache[READ_B];
  for (int32_t a = -p.Range_West; a < p.Range_East; ++a) {
    const int32_t n = RecordNumber(p, a, b);
    if (n == previous) continue;
    previous = n;
    s.cells.emplace_back();
    ReadRecordAt(ctx.store.StoreFileB, RecordOffset(READ_B, n), s.cells.back());
  }
  const int32_t row_start_cache = ctx.store.AccessCache[READ_B_SAMPLE];
  TraceProfilesInOrder(s.cells, s.setup, p, s.samples, row_start_cache, s.threads, s.traced);
  size_t traced = 0;
  for (int32_t a = -p.Range_West; a < p.Range_East && !ctx.StopRequested; ++a) {
    if (ctx.CellAccess(READ_B, a, b) == 1) {
      const TracedProfile& t = s.traced[traced++];
      s.last = t.result;
      ctx.store.AccessCache[READ_B_SAMPLE] = t.sample_cache_after;
      StoreResult(ctx.store.CurrentRecord, s.last);
      ctx.CellAccess(WRITE_A_RESULT, a, b);
    }
    ReportCell(ctx, link, a, b);
  }
}

// After tracing from the mapped file the store's sample buffer holds what the
// last sample access read, as after tracing through the store.
void RestoreSampleRecord(CellStore& store) {
  const int32_t n = store.AccessCache[READ_B_SAMPLE];
  if (n != kCacheReset) ReadRecordAt(store.StoreFileB, RecordOffset(READ_B_SAMPLE, n), store.SampleRecord);
}

}  // namespace

void FieldStrengthPass(Context& ctx, WindowLink& link, int threads) {
  ctx.CellAccess(RESET_CACHE, 0, 0);
  const ProjectParameters& p = ctx.params;
  PassState s;
  s.setup = MakeFieldSetup(ctx);
  s.threads = threads;
  s.mapped = threads >= 2 && StoreHoldsArea(ctx.store.StoreFileB, p);
  if (s.mapped) s.samples = SampleValuesOf(ctx.store.StoreFileB);
  const int64_t columns = int64_t{p.Range_West} + p.Range_East;
  s.row_results.resize(columns > 0 ? static_cast<size_t>(columns) : 0);

  for (int32_t b = -p.Range_South; b < p.Range_North && !ctx.StopRequested; ++b) {
    if (p.Flag_Reduction != 0) {
      if (s.mapped) WideAreaRowMapped(ctx, link, s, b);
      else WideAreaRowInOrder(ctx, link, s, b);
    } else {
      CoarseRow(ctx, link, s, b);
    }
  }
  if (s.mapped) RestoreSampleRecord(ctx.store);
}

}  // namespace dorx
