#include <string_view>
#include <utility>

#include "files/antenna_pattern.h"
#include "files/key_value_line.h"
#include "platform/c_number.h"
#include "platform/cut.h"
#include "platform/text_stream.h"

namespace dorx {
namespace {

constexpr int kDataLinesAfterHeader = 3637;
constexpr int32_t kMaxDataRows = AntennaPattern::kMaxRows - 2;  // 3,634: room for the rows at 0 and 360
constexpr std::string_view kEndMarker = "*END*";

struct PatternRow {
  double angle_deg;
  double factor;
};

// Five header lines: the first skipped, the second read as a key line (so a
// second line without a blank runs on into the third), three more skipped.
void SkipHeader(TextReader& in) {
  SkipLine(in);
  ReadKeyValueLine(in);
  for (int i = 0; i < 3; ++i) SkipLine(in);
}

// Data rows up to "*END*" in the first or second field, the end of the file,
// a line over 127 bytes, or 3,637 lines; other lines lacking a field are skipped.
std::vector<PatternRow> ReadDataRows(TextReader& in) {
  std::vector<PatternRow> rows;
  for (int line = 0; line < kDataLinesAfterHeader; ++line) {
    const std::string text = ReadLinePiece(in, '\n');
    if (in.Failed()) break;
    const std::vector<std::string> fields = SplitValueWords(text);
    // The file ends its data with a line "*END*": the marker ends the data
    // also when it stands alone, without a second field.
    if (WordAt(fields, 0) == kEndMarker || WordAt(fields, 1) == kEndMarker) break;
    if (fields.size() < 2) continue;
    if (rows.size() == static_cast<size_t>(kMaxDataRows)) break;  // the table holds no more
    rows.push_back(PatternRow{StrtodC(fields[0]), StrtodC(fields[1])});
  }
  return rows;
}

// angle = t mod 360000 x 0.001 with t = (angle + azimuth) x 1000 cut toward
// zero: three decimals kept by truncation, 360 to below 720 wraps to 0 to below 360.
double TurnedAngle(double angle_deg, double azimuth_deg) {
  const int32_t t = CutToInt((angle_deg + azimuth_deg) * 1000);
  return (t % 360000) * 0.001;
}

// The first row with the smallest and the first with the largest turned angle.
struct AngleExtremes {
  const PatternRow* smallest = nullptr;
  const PatternRow* largest = nullptr;
};

AngleExtremes FindExtremes(const std::vector<PatternRow>& rows) {
  AngleExtremes e;
  for (const PatternRow& row : rows) {
    if (!e.smallest || row.angle_deg < e.smallest->angle_deg) e.smallest = &row;
    if (!e.largest || row.angle_deg > e.largest->angle_deg) e.largest = &row;
  }
  return e;
}

// The row at 0 takes the factor of the smallest angle below 180 and the row
// at 360 that of the largest above 180. Without an angle below 180 the row at
// 0 takes the factor of the largest angle (the pattern wraps through north
// from there), without one above 180 the row at 360 that of the smallest;
// without data rows both are 1.0.
std::pair<double, double> NorthRowFactors(const std::vector<PatternRow>& rows) {
  const AngleExtremes e = FindExtremes(rows);
  if (!e.smallest) return {1.0, 1.0};
  const double at_0 = e.smallest->angle_deg < 180.0 ? e.smallest->factor : e.largest->factor;
  const double at_360 = e.largest->angle_deg > 180.0 ? e.largest->factor : e.smallest->factor;
  return {at_0, at_360};
}

// The exchange sort of rows 0 to count (the row at 360 stays last); among
// equal angles its order decides which factor a bearing finds.
void ExchangeSortByAngle(AntennaPattern& p) {
  for (int32_t i = 0; i <= p.count; ++i) {
    for (int32_t j = i; j <= p.count; ++j) {
      const size_t a = static_cast<size_t>(i), b = static_cast<size_t>(j);
      if (p.angle[a] > p.angle[b]) {
        std::swap(p.angle[a], p.angle[b]);
        std::swap(p.factor[a], p.factor[b]);
      }
    }
  }
}

}  // namespace

void LoadAntennaPattern(ProjectParameters& params, AntennaPattern& pattern, MessageSink& sink) {
  if (params.Antenna_Pattern_File == kNoPattern) return;
  // "!" names no file (a project file names its pattern but loads none).
  std::optional<TextReader> in;
  if (params.AntennaPatternPath != kNoPattern) in = TextReader::Open(params.AntennaPatternPath);
  if (!in) {
    sink.ShowMessageCode(111);  // its status text names Antenna_Pattern_File as it is now
    params.Antenna_Pattern_File = std::string(kNoPattern);
    return;
  }
  SkipHeader(*in);
  std::vector<PatternRow> rows = ReadDataRows(*in);
  for (PatternRow& row : rows) row.angle_deg = TurnedAngle(row.angle_deg, params.Antenna_Angle);
  const auto [factor_at_0, factor_at_360] = NorthRowFactors(rows);

  AntennaPattern loaded;
  loaded.count = static_cast<int32_t>(rows.size());
  for (const PatternRow& row : rows) {
    loaded.angle.push_back(row.angle_deg);
    loaded.factor.push_back(row.factor);
  }
  loaded.angle.push_back(0.0);
  loaded.factor.push_back(factor_at_0);
  loaded.angle.push_back(360.0);
  loaded.factor.push_back(factor_at_360);
  ExchangeSortByAngle(loaded);
  pattern = std::move(loaded);
}

}  // namespace dorx
