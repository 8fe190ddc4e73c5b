#include "files/datum_table_file.h"

#include <algorithm>
#include <vector>

#include "files/key_value_line.h"
#include "platform/c_format.h"
#include "platform/c_number.h"
#include "platform/file_system.h"
#include "platform/text_stream.h"

namespace dorx {
namespace {

using Entry = DatumShiftTable::Entry;

// The title screen shows only counts that are multiples of 1000.
constexpr int32_t kProgressStep = 1000;

void ShowProgress(const DatumStartupLink& link, int32_t n) {
  if (link.show_progress) link.show_progress(n);
}

// One entry per line that can be read whole (at most 127 bytes; a longer line
// ends the reading), up to the table's capacity. Fields that are not numbers,
// and fields a line lacks, read as 0.
std::vector<Entry> ReadEntries(TextReader& in, const DatumStartupLink& link) {
  std::vector<Entry> entries;
  while (entries.size() < static_cast<size_t>(DatumShiftTable::kCapacity)) {
    const std::string line = ReadLinePiece(in, '\n');
    if (in.Failed()) break;
    const std::vector<std::string> fields = SplitValueWords(line);
    const int32_t count = static_cast<int32_t>(entries.size());
    entries.push_back(Entry{AtolC(WordAt(fields, 0)),
                            DatumShift{StrtodC(WordAt(fields, 1)), StrtodC(WordAt(fields, 2))}});
    if (count % kProgressStep == 0) ShowProgress(link, count);
  }
  return entries;
}

// Ascending by code, equal codes in file order. A real parameter file has
// about 390,000 lines, so the sort runs in n log n: blocks sorted one by one
// (each reported with the number of entries still ahead of it, in thousands,
// as the title screen counts down), then merged pairwise.
void SortByCode(std::vector<Entry>& entries, const DatumStartupLink& link) {
  const auto by_code = [](const Entry& x, const Entry& y) { return x.code < y.code; };
  const size_t n = entries.size();
  constexpr size_t kBlocks = 16;
  const size_t block = std::max<size_t>(1, (n + kBlocks - 1) / kBlocks);
  const auto at = [&](size_t i) { return entries.begin() + static_cast<std::ptrdiff_t>(i); };
  for (size_t start = 0; start < n; start += block) {
    std::stable_sort(at(start), at(std::min(n, start + block)), by_code);
    const int32_t remaining = static_cast<int32_t>(n - start);
    ShowProgress(link, remaining - remaining % kProgressStep);
  }
  for (size_t width = block; width < n; width *= 2) {
    for (size_t start = 0; start + width < n; start += 2 * width)
      std::inplace_merge(at(start), at(start + width), at(std::min(n, start + 2 * width)), by_code);
  }
}

std::string DatumLine(const Entry& e) {
  return Format("%08d %2.6f %2.6f\n", e.code, e.shift.latitude_arcsec, e.shift.longitude_arcsec);
}

// Every entry and then the end marker; false when any write failed.
bool WriteEntries(TextWriter& out, const DatumShiftTable& table) {
  constexpr int32_t kLinesPerWrite = 4096;
  std::string chunk;
  bool written = true;
  for (int32_t p = 0; p <= table.count(); ++p) {
    chunk += DatumLine(table.At(p));
    if ((p + 1) % kLinesPerWrite == 0 || p == table.count()) {
      written = out.Write(chunk) && written;
      chunk.clear();
    }
  }
  return out.Close() && written;
}

}  // namespace

bool LoadDatumTable(const std::string& path, DatumShiftTable& table, const DatumStartupLink& link) {
  table.Assign({});
  std::optional<TextReader> in = TextReader::Open(path);
  if (!in) {
    link.messages.ShowMessageCode(101);
    return false;
  }
  table.Assign(ReadEntries(*in, link));
  return true;
}

void ConvertDatumTable(const std::string& source, const std::string& target, DatumShiftTable& table,
                       const DatumStartupLink& link) {
  table.Assign({});
  std::optional<TextReader> in = TextReader::Open(source);
  if (!in) {
    link.messages.ShowMessageCode(103);
    return;
  }
  SkipLine(*in);
  std::vector<Entry> entries = ReadEntries(*in, link);
  SortByCode(entries, link);
  table.Assign(std::move(entries));

  std::optional<TextWriter> out = TextWriter::Create(target);
  if (!out) {
    link.messages.ShowMessageCode(105);
    return;
  }
  // A partly written table would load silently at the next start as a table
  // with entries missing; without the file the next start asks again.
  if (!WriteEntries(*out, table)) {
    RemoveFile(target);
    link.messages.ShowMessageCode(105);
  }
}

}  // namespace dorx
