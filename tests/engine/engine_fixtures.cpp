#include "engine_fixtures.h"

#include <filesystem>

#include "platform/c_format.h"
#include "support/default_station.h"
#include "support/test_support.h"

namespace dorx::test {

std::string TileText(std::string_view name10, const TileElevations& elevation, int data_lines,
                     std::string_view line_end) {
  std::string header = Format("%-58s", "DEMO TILE 0000 50M");
  header += std::string(name10);
  header += "  1  200  200";
  std::string text = header + std::string(line_end);
  for (int t = 1; t <= data_lines; ++t) {
    const int row = 200 - t;
    std::string line = Format("%9d", row);
    for (int column = 0; column < 200; ++column) line += Format("%5d", elevation(row, column));
    text += line + std::string(line_end);
  }
  return text;
}

std::string WriteTile(const std::string& mesh_folder, const std::string& code, const std::string& text) {
  const std::string folder = mesh_folder + code.substr(0, 4) + "/";
  std::filesystem::create_directories(folder);
  const std::string path = folder + code + ".mem";
  WriteBytes(path, text);
  return path;
}

void SetUpStation(Context& ctx, const std::string& mesh_folder, int range) {
  ctx.MeshFolder = mesh_folder;
  ProjectParameters& p = ctx.params;
  p.Project_Name = "station";
  p.Source_North_latitude = {35, 21, 38.4};
  p.Source_East_longitude = {138, 43, 38.4};
  p.Range_North = p.Range_South = p.Range_East = p.Range_West = range;
  test::SetDefaultRadio(p);
}

}  // namespace dorx::test

#include <cstring>

#include "engine/cell_store.h"

namespace dorx::test {

void WriteRecords(const std::string& path, const std::vector<CellRecord>& records) {
  WriteBytes(path, std::string_view(reinterpret_cast<const char*>(records.data()),
                                    records.size() * sizeof(CellRecord)));
}

std::vector<CellRecord> ReadRecords(const std::string& path, size_t header_bytes) {
  const std::string bytes = ReadBytes(path);
  if (bytes.size() < header_bytes) return {};
  std::vector<CellRecord> records((bytes.size() - header_bytes) / sizeof(CellRecord));
  // An empty vector's data() may be null, and memcpy from or to null is
  // undefined even for zero bytes.
  if (!records.empty())
    std::memcpy(records.data(), bytes.data() + header_bytes, records.size() * sizeof(CellRecord));
  return records;
}

std::vector<CellRecord> AreaRecords(const ProjectParameters& p,
                                    const std::function<CellRecord(int32_t a, int32_t b)>& make) {
  std::vector<CellRecord> records;
  for (int32_t b = -p.Range_South; b < p.Range_North; ++b)
    for (int32_t a = -p.Range_West; a < p.Range_East; ++a) {
      const size_t n = static_cast<size_t>(RecordNumber(p, a, b));
      if (records.size() <= n) records.resize(n + 1);
      records[n] = make(a, b);
    }
  return records;
}

CellRecord RecordWithElevation(double slot0) {
  CellRecord r;
  r.Clear();
  r.slot[kElevation] = slot0;
  return r;
}

}  // namespace dorx::test

namespace dorx::test {

std::vector<CellRecord> PassBench::Run(const std::vector<CellRecord>& input, const std::function<void()>& pass,
                                       bool reads_a, size_t output_header_bytes) {
  WriteRecords(dir_ / "in", input);
  StoreFile& in = reads_a ? ctx_.store.StoreFileA : ctx_.store.StoreFileB;
  StoreFile& out = reads_a ? ctx_.store.StoreFileB : ctx_.store.StoreFileA;
  if (!in.Open(dir_ / "in", "rb") || !out.Open(OutputPath(), "wb")) return {};
  pass();
  out.Close();
  in.Close();
  return ReadRecords(OutputPath(), output_header_bytes);
}

}  // namespace dorx::test
