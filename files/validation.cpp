#include "files/validation.h"

#include <cmath>
#include <cstdint>

#include "platform/c_format.h"
#include "platform/sjis.h"

namespace dorx {
namespace {

// The status text is built in UTF-8 and shown as CP932. Every label starts
// with an ideographic space, which separates the labels.
class RangeReport {
 public:
  void Append(const std::string& label_utf8) {
    text_ += label_utf8;
    failed_ = true;
  }
  void Replace(const std::string& label_utf8) {
    text_ = label_utf8;
    failed_ = true;
  }
  bool failed() const { return failed_; }
  std::string Cp932() const { return Utf8ToCp932(text_); }

 private:
  std::string text_ = "範囲外：";
  bool failed_ = false;
};

// A NaN compares false with every bound and an infinity passes a one-sided
// bound: neither is a value a run can compute with, so both fail.
bool Outside(double value, double low, double high) { return !std::isfinite(value) || value < low || value > high; }
bool NotAbove(double value, double bound) { return !std::isfinite(value) || value <= bound; }

void CheckPosition(const Dms& dms, const char* name, RangeReport& r) {
  const std::string n = name;
  if (Outside(dms.degrees, 0, 360)) r.Append("　" + n + "[度](0°～360°)");
  if (Outside(dms.minutes, 0, 60)) r.Append("　" + n + "[分](0’～60’)");
  if (Outside(dms.seconds, 0, 60)) r.Append("　" + n + "[秒](0”～60”)");
}

void CheckRanges(const ProjectParameters& p, RangeReport& r) {
  const std::string at_least = Format("(%d以上)", 10);
  if (p.Range_North < 10) r.Append("　北" + at_least);
  if (p.Range_South < 10) r.Append("　南" + at_least);
  if (p.Range_East < 10) r.Append("　東" + at_least);
  if (p.Range_West < 10) r.Append("　西" + at_least);

  // Totals in 64 bits: two ranges near the 32-bit limit must not wrap into range.
  const int64_t upper = p.Flag_Reduction == 0 ? 3000 : int64_t{p.Coarse} * 3000;
  const int64_t ns = int64_t{p.Range_South} + p.Range_North;
  const int64_t ew = int64_t{p.Range_West} + p.Range_East;
  int outcome = 0;  // 1: north-south out of bounds; 3: east-west (it wins when both are)
  if (ns > upper || ns < 200) outcome = 1;
  if (ew > upper || ew < 200) outcome = 3;
  const std::string bounds = Format("=(%d～%d)", 200, static_cast<int>(upper));
  if (outcome == 1) r.Append("　(北＋南)" + bounds);
  if (outcome == 3) r.Append("　(東＋西)" + bounds);
}

void CheckFieldStrengthValues(const ValidationInput& in, RangeReport& r) {
  const ProjectParameters& p = in.params;
  if (NotAbove(p.Rx_Impedance, 1e-7)) r.Append("　受信インピーダンス");
  if (NotAbove(p.Rx_Altitude, 0)) r.Append("　受信地上高");
  if (NotAbove(p.Tx_Altitude, 0)) r.Append("　送信地上高");
  if (NotAbove(p.Tx_Power, 0)) r.Append("　送信電力");
  if (NotAbove(p.Tx_Frequency, 0)) r.Append("　送信周波数");
  if (Outside(p.Antenna_Angle, 0, 360)) r.Append("　アンテナ方位");
  if (NotAbove(in.DrawStep, 1)) r.Append("　受信電界ステップ間隔");
  if (p.Compensation < 0 || p.Compensation > 10) r.Append("　送信点補正(0～" + Format("%d", 10) + ")");
  if (p.Compensation >= p.Range_South) r.Append("　送信点補正>南");
  if (p.Compensation >= p.Range_North) r.Append("　送信点補正>北");
  if (p.Compensation >= p.Range_West) r.Append("　送信点補正>西");
  if (p.Compensation >= p.Range_East) r.Append("　送信点補正>東");
}

}  // namespace

ValidationResult ValidateParameters(const ValidationInput& in) {
  const ProjectParameters& p = in.params;
  const bool calculation = in.start == StartKind::kCalculation;
  RangeReport r;
  // A drawing reads its terrain from the result file, not from the folder.
  if (calculation && !in.mesh_folder_exists) r.Replace("　メッシュデータフォルダが不明");
  CheckPosition(p.Source_North_latitude, "緯度", r);
  CheckPosition(p.Source_East_longitude, "経度", r);
  if (p.Coarse < 1 || p.Coarse > 10) r.Append("　メッシュ間隔(1～" + Format("%d", 10) + ")");
  CheckRanges(p, r);
  if (Outside(in.DrawMagnification, 20, 200)) r.Append("　描画倍率(20～" + Format("%d", 200) + ")");

  ValidationResult result;
  if (in.FloodMode == 0) {
    CheckFieldStrengthValues(in, r);
    // A pattern named by a project file but never loaded; a drawing uses no pattern file.
    if (calculation && p.AntennaPatternPath == kNoPattern && p.Antenna_Pattern_File != kNoPattern) {
      r.Replace("　アンテナファイルが未指定");
      result.clear_antenna_box = true;
    }
  }
  if (r.failed()) {
    result.result = 1;
    result.status_text = r.Cp932();
  }
  return result;
}

}  // namespace dorx
