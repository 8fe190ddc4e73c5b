#pragma once
// Tiny terrain tiles and small calculation areas for the engine tests.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/context.h"
#include "support/test_support.h"

namespace dorx::test {

// Elevation in 0.1 m of the cell at `row` (from the tile's south edge) and
// `column` (from its west edge).
using TileElevations = std::function<int(int row, int column)>;

// A tile file: a header line holding the 10-byte name at bytes 58 to 67, then
// `data_lines` data lines from the north (9 characters and 200 fields "%5d"),
// each line ended by `line_end`.
std::string TileText(std::string_view name10, const TileElevations& elevation, int data_lines = 200,
                     std::string_view line_end = "\r\n");

// Writes the tile with the 6-digit code (e.g. "533805") below the mesh folder
// as <mesh>5338/533805.mem and returns its path.
std::string WriteTile(const std::string& mesh_folder, const std::string& code, const std::string& text);

// The example station 35 21 38.4 N, 138 43 38.4 E: tile 533805, fine row 65,
// fine column 163.
inline constexpr int kStationRow = 65;
inline constexpr int kStationColumn = 163;

// Sets up a run around the example station with `range` cells each way over
// the tiles in `mesh_folder`, with the default project's equipment.
void SetUpStation(Context& ctx, const std::string& mesh_folder, int range);

// Elevation that names its cell: row x 256 + column.
inline int CellName(int row, int column) { return row * 256 + column; }

}  // namespace dorx::test

namespace dorx::test {

// Record files of an area: record n of `records` at n x 160, behind
// `header_bytes` bytes.
void WriteRecords(const std::string& path, const std::vector<CellRecord>& records);
std::vector<CellRecord> ReadRecords(const std::string& path, size_t header_bytes = 0);

// The records of an area, one per cell, made by `make(a, b)`.
std::vector<CellRecord> AreaRecords(const ProjectParameters& p,
                                    const std::function<CellRecord(int32_t a, int32_t b)>& make);

// A record with every slot NO_DATA but slot 0.
CellRecord RecordWithElevation(double slot0);

}  // namespace dorx::test

namespace dorx::test {

// Runs one pass that reads StoreFileB (or StoreFileA when `reads_a`) and
// writes the other slot, from `input` records to the records it wrote.
class PassBench {
 public:
  explicit PassBench(Context& ctx) : ctx_(ctx) {}
  std::vector<CellRecord> Run(const std::vector<CellRecord>& input, const std::function<void()>& pass,
                              bool reads_a = false, size_t output_header_bytes = 0);
  std::string OutputPath() const { return dir_.path() + "out"; }

 private:
  Context& ctx_;
  ScratchFolder dir_;
};

}  // namespace dorx::test
