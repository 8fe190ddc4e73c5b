#include "files/dem_xml.h"

#include <expat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/file_system.h"

namespace dorx {
namespace {

// Longest text kept of a small element (corners, grid limits, start point)
// and longest line of the tuple list.
constexpr size_t kMostElementBytes = 1024;
constexpr size_t kMostTupleLineBytes = 256;
// Elevations at or below this mark a point without data.
constexpr double kMissingElevation_m = -9999.0;

std::string_view LocalName(const XML_Char* name) {
  std::string_view n(name);
  const size_t bar = n.rfind('|');
  return bar == std::string_view::npos ? n : n.substr(bar + 1);
}

std::string_view Trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Decimal numbers separated by blanks, exactly `count` of them, finite.
bool ReadNumbers(std::string_view text, int count, double* out) {
  const std::string s(text);
  const char* p = s.c_str();
  for (int i = 0; i < count; ++i) {
    char* end = nullptr;
    errno = 0;
    out[i] = std::strtod(p, &end);
    if (end == p || errno == ERANGE || !std::isfinite(out[i])) return false;
    p = end;
  }
  return Trimmed(p).empty();
}

bool ReadWholeNumbers(std::string_view text, int64_t* out) {
  double d[2];
  if (!ReadNumbers(text, 2, d)) return false;
  for (int i = 0; i < 2; ++i) {
    if (d[i] != std::floor(d[i]) || std::fabs(d[i]) > 1e9) return false;
    out[i] = static_cast<int64_t>(d[i]);
  }
  return true;
}

class DemXmlParser {
 public:
  DemXmlParser() : parser_(XML_ParserCreateNS(nullptr, '|')) {
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, &DemXmlParser::Start, &DemXmlParser::End);
    XML_SetCharacterDataHandler(parser_, &DemXmlParser::Text);
  }
  ~DemXmlParser() { XML_ParserFree(parser_); }
  DemXmlParser(const DemXmlParser&) = delete;
  DemXmlParser& operator=(const DemXmlParser&) = delete;

  // False once the bytes cannot be a DEM; error() says why.
  bool Feed(std::string_view piece, bool last) {
    if (!error_.empty()) return false;
    if (!seen_bytes_ && piece.size() >= 4 && piece.substr(0, 4) == std::string_view("PK\x03\x04", 4)) {
      error_ = "a zip archive, not XML: unpack it and give the XML files inside";
      return false;
    }
    seen_bytes_ = seen_bytes_ || !piece.empty();
    if (XML_Parse(parser_, piece.data(), static_cast<int>(piece.size()), last ? 1 : 0) == XML_STATUS_ERROR) {
      if (error_.empty())
        error_ = std::string("damaged XML (") + XML_ErrorString(XML_GetErrorCode(parser_)) + " at line " +
                 std::to_string(XML_GetCurrentLineNumber(parser_)) + ")";
      return false;
    }
    return true;
  }

  DemXmlResult Finish() {
    DemXmlResult result;
    if (error_.empty()) Place(result.grid);
    result.error = error_;
    if (!error_.empty()) result.grid = DemGrid{};
    return result;
  }

 private:
  enum class Field { kNone, kLower, kUpper, kLow, kHigh, kStart, kTuples };

  static void Start(void* self, const XML_Char* name, const XML_Char** attributes) {
    static_cast<DemXmlParser*>(self)->OnStart(LocalName(name), attributes);
  }
  static void End(void* self, const XML_Char*) { static_cast<DemXmlParser*>(self)->OnEnd(); }
  static void Text(void* self, const XML_Char* text, int length) {
    static_cast<DemXmlParser*>(self)->OnText(std::string_view(text, static_cast<size_t>(length)));
  }

  void Fail(std::string why) {
    if (error_.empty()) error_ = std::move(why);
    XML_StopParser(parser_, XML_FALSE);
  }

  static std::string_view Attribute(const XML_Char** attributes, std::string_view wanted) {
    for (size_t i = 0; attributes[i] && attributes[i + 1]; i += 2)
      if (LocalName(attributes[i]) == wanted) return attributes[i + 1];
    return {};
  }

  void OnStart(std::string_view name, const XML_Char** attributes) {
    field_ = Field::kNone;
    text_.clear();
    if (name == "Envelope") srs_name_ = Attribute(attributes, "srsName");
    else if (name == "lowerCorner") field_ = Field::kLower;
    else if (name == "upperCorner") field_ = Field::kUpper;
    else if (name == "low") field_ = Field::kLow;
    else if (name == "high") field_ = Field::kHigh;
    else if (name == "startPoint") field_ = Field::kStart;
    else if (name == "tupleList") field_ = Field::kTuples, has_tuples_ = true;
    else if (name == "sequenceRule") order_ = Attribute(attributes, "order"), has_order_ = true;
  }

  void OnText(std::string_view text) {
    if (field_ == Field::kNone) return;
    if (field_ == Field::kTuples) return TupleText(text);
    if (text_.size() + text.size() > kMostElementBytes) return Fail("an element's text is too long");
    text_ += text;
  }

  void OnEnd() {
    bool ok = true;
    switch (field_) {
      case Field::kNone: break;
      case Field::kLower: ok = ReadNumbers(text_, 2, lower_), has_lower_ = ok; break;
      case Field::kUpper: ok = ReadNumbers(text_, 2, upper_), has_upper_ = ok; break;
      case Field::kLow: ok = ReadWholeNumbers(text_, low_), has_low_ = ok; break;
      case Field::kHigh: ok = ReadWholeNumbers(text_, high_), has_high_ = ok; break;
      case Field::kStart: ok = ReadWholeNumbers(text_, start_); break;
      case Field::kTuples: TupleLine(text_), text_.clear(); break;
    }
    if (!ok) Fail("the element before line " + std::to_string(XML_GetCurrentLineNumber(parser_)) +
                  " does not hold two numbers");
    field_ = Field::kNone;
  }

  void TupleText(std::string_view text) {
    for (const char c : text) {
      if (c == '\n') {
        TupleLine(text_);
        text_.clear();
      } else if (text_.size() >= kMostTupleLineBytes) {
        return Fail("a line of the tuple list is too long");
      } else {
        text_ += c;
      }
      if (!error_.empty()) return;
    }
  }

  void TupleLine(std::string_view raw) {
    const std::string_view line = Trimmed(raw);
    if (line.empty()) return;
    const size_t comma = line.rfind(',');
    double elevation = 0.0;
    if (comma == std::string_view::npos || !ReadNumbers(line.substr(comma + 1), 1, &elevation))
      return Fail("value " + std::to_string(values_.size() + 1) + " of the tuple list is not \"type,elevation\"");
    if (static_cast<int64_t>(values_.size()) >= kMostDemPoints) return Fail("more values than a DEM file holds");
    values_.push_back(elevation <= kMissingElevation_m ? std::numeric_limits<float>::quiet_NaN()
                                                       : static_cast<float>(elevation));
  }

  // Puts the values into the grid by the start point and sequence rule.
  void Place(DemGrid& grid) {
    if (!has_lower_ || !has_upper_) return Fail("no gml:lowerCorner and gml:upperCorner (the envelope)");
    if (!has_low_ || !has_high_) return Fail("no gml:GridEnvelope low and high (the grid)");
    if (!has_tuples_) return Fail("no gml:tupleList (the elevations)");
    const int64_t columns = high_[0] - low_[0] + 1, rows = high_[1] - low_[1] + 1;
    if (columns < 1 || rows < 1 || columns * rows > kMostDemPoints) return Fail("the grid's size is implausible");
    if (!(lower_[0] < upper_[0] && lower_[1] < upper_[1])) return Fail("the envelope's corners are reversed");
    if (!(lower_[0] >= -90 && upper_[0] <= 90 && lower_[1] >= -180 && upper_[1] <= 360))
      return Fail("the envelope is not latitude and longitude in degrees");
    const bool from_north = !has_order_ || order_ == "+x-y";
    if (!from_north && order_ != "+x+y") return Fail("unsupported gml:sequenceRule order \"" + order_ + "\"");
    const int64_t sx = start_[0] - low_[0], sy = start_[1] - low_[1];
    if (sx < 0 || sx >= columns || sy < 0 || sy >= rows) return Fail("the start point lies outside the grid");
    const int64_t first = sy * columns + sx;
    if (first + static_cast<int64_t>(values_.size()) > columns * rows)
      return Fail("the tuple list holds more values than the grid has points");
    grid.srs_name = srs_name_;
    grid.south_deg = lower_[0], grid.west_deg = lower_[1], grid.north_deg = upper_[0], grid.east_deg = upper_[1];
    grid.columns = static_cast<int32_t>(columns), grid.rows = static_cast<int32_t>(rows);
    grid.elevations_m.assign(static_cast<size_t>(columns * rows), std::numeric_limits<float>::quiet_NaN());
    for (size_t i = 0; i < values_.size(); ++i) {
      const int64_t n = first + static_cast<int64_t>(i);
      const int64_t row = from_north ? n / columns : rows - 1 - n / columns;
      grid.elevations_m[static_cast<size_t>(row * columns + n % columns)] = values_[i];
    }
  }

  XML_Parser parser_;
  std::string error_;
  bool seen_bytes_ = false;
  Field field_ = Field::kNone;
  std::string text_;
  std::string srs_name_, order_;
  double lower_[2] = {}, upper_[2] = {};
  int64_t low_[2] = {}, high_[2] = {}, start_[2] = {};
  bool has_lower_ = false, has_upper_ = false, has_low_ = false, has_high_ = false, has_tuples_ = false,
       has_order_ = false;
  std::vector<float> values_;
};

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

DemXmlResult ParseDemXml(std::string_view bytes, size_t piece_bytes) {
  DemXmlParser parser;
  const size_t step = piece_bytes == 0 ? bytes.size() + 1 : piece_bytes;
  size_t at = 0;
  do {
    const std::string_view piece = bytes.substr(at, step);
    at += piece.size();
    if (!parser.Feed(piece, at >= bytes.size())) break;
  } while (at < bytes.size());
  return parser.Finish();
}

DemXmlResult ReadDemXml(const std::string& path) {
  std::unique_ptr<FILE, FileCloser> f(FileExists(path) ? std::fopen(path.c_str(), "rb") : nullptr);
  if (!f) return DemXmlResult{{}, "cannot be opened"};
  DemXmlParser parser;
  std::vector<char> piece(65536);
  for (;;) {
    const size_t n = std::fread(piece.data(), 1, piece.size(), f.get());
    const bool last = n < piece.size();
    if (!parser.Feed(std::string_view(piece.data(), n), last) || last) break;
  }
  return parser.Finish();
}

}  // namespace dorx
