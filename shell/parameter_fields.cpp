#include "shell/parameter_fields.h"

#include "platform/c_number.h"
#include "platform/sjis.h"
#include "shell/field_formats.h"

namespace dorx {
namespace {

// The three fields of a position: degrees, minutes, seconds.
struct PositionFields {
  const char* degrees;
  const char* minutes;
  const char* seconds;
};

constexpr PositionFields kTxLatitude{"EditTxNS1", "EditTxNS2", "EditTxNS3"};
constexpr PositionFields kTxLongitude{"EditTxEW1", "EditTxEW2", "EditTxEW3"};
constexpr PositionFields kWxLatitude{"EditWxNS1", "EditWxNS2", "EditWxNS3"};
constexpr PositionFields kWxLongitude{"EditWxEW1", "EditWxEW2", "EditWxEW3"};

void ShowPosition(const Dms& value, const PositionFields& f, Controls& c) {
  c.SetText(f.degrees, FormatCutInteger(value.degrees));
  c.SetText(f.minutes, FormatCutInteger(value.minutes));
  c.SetText(f.seconds, FormatPicture(value.seconds, 4));
}

Dms ReadPosition(const Controls& c, const PositionFields& f) {
  return {FieldDouble(c.Text(f.degrees)), FieldDouble(c.Text(f.minutes)), FieldDouble(c.Text(f.seconds))};
}

double Number(const Controls& c, const char* field) { return FieldDouble(c.Text(field)); }
int32_t Integer(const Controls& c, const char* field) { return FieldInteger(c.Text(field)); }

}  // namespace

void ParametersToFields(const ProjectParameters& p, int flood_mode, Controls& c) {
  c.SetText("EditMpNSN", FormatInteger(p.Range_North));
  c.SetText("EditMpNSS", FormatInteger(p.Range_South));
  c.SetText("EditMpEWE", FormatInteger(p.Range_East));
  c.SetText("EditMpEWW", FormatInteger(p.Range_West));
  c.SetText("EditAnomaly", FormatGeneral15(p.Removal_of_Abnormal_Data));
  if (flood_mode != 0) {
    c.SetText("EditWxName", Cp932ToUtf8(p.Project_Name));
    ShowPosition(p.Source_North_latitude, kWxLatitude, c);
    ShowPosition(p.Source_East_longitude, kWxLongitude, c);
    c.SetText("EditWxAlt", FormatPicture(p.WaterLevel, 2));
    return;
  }
  c.SetText("EditMpCoa", FormatInteger(p.Coarse));
  c.SetText("EditMpCps", FormatInteger(p.Compensation));
  c.SetText("EditTxName", Cp932ToUtf8(p.Project_Name));
  ShowPosition(p.Source_North_latitude, kTxLatitude, c);
  ShowPosition(p.Source_East_longitude, kTxLongitude, c);
  c.SetText("EditTxAlt", FormatPicture(p.Tx_Altitude, 2));
  c.SetText("EditTxLoss", FormatPicture(p.Tx_Loss, 2));
  c.SetText("EditTxGain", FormatPicture(p.Antenna_Gain, 2));
  c.SetText("EditTxPower", FormatPicture(p.Tx_Power, 2));
  c.SetText("EditTxFrequency", FormatPicture(p.Tx_Frequency, 3));
  c.SetText("EditTxAtDeg", FormatPicture(p.Antenna_Angle, 2));
  c.SetText("EditRxAlt", FormatPicture(p.Rx_Altitude, 2));
  c.SetText("EditRxLoss", FormatPicture(p.Rx_Loss, 2));
  c.SetCaption("LabelTxAtName", Cp932ToUtf8(p.Antenna_Pattern_File));
  c.SetChecked("CheckBoxCoa", p.Flag_Reduction != 0);
}

void FieldsToParameters(const Controls& c, int flood_mode, ProjectParameters& p) {
  p.Range_North = Integer(c, "EditMpNSN");
  p.Range_South = Integer(c, "EditMpNSS");
  p.Range_East = Integer(c, "EditMpEWE");
  p.Range_West = Integer(c, "EditMpEWW");
  p.Removal_of_Abnormal_Data = Number(c, "EditAnomaly");
  if (flood_mode != 0) {
    p.Project_Name = FieldTextCp932(c.Text("EditWxName"));
    p.Source_North_latitude = ReadPosition(c, kWxLatitude);
    p.Source_East_longitude = ReadPosition(c, kWxLongitude);
    p.WaterLevel = Number(c, "EditWxAlt");
    return;
  }
  p.Coarse = LowByte(Integer(c, "EditMpCoa"));
  p.Compensation = LowByte(Integer(c, "EditMpCps"));
  p.Project_Name = FieldTextCp932(c.Text("EditTxName"));
  p.Source_North_latitude = ReadPosition(c, kTxLatitude);
  p.Source_East_longitude = ReadPosition(c, kTxLongitude);
  p.Tx_Altitude = Number(c, "EditTxAlt");
  p.Tx_Loss = Number(c, "EditTxLoss");
  p.Antenna_Gain = Number(c, "EditTxGain");
  p.Tx_Power = Number(c, "EditTxPower");
  p.Tx_Frequency = Number(c, "EditTxFrequency");
  p.Antenna_Angle = Number(c, "EditTxAtDeg");
  p.Rx_Altitude = Number(c, "EditRxAlt");
  p.Rx_Loss = Number(c, "EditRxLoss");
  p.Flag_Reduction = c.Checked("CheckBoxCoa") ? 1 : 0;
}

void DrawingSettingsToFields(const DrawingSettings& d, Controls& c) {
  c.SetText("EditRxMin", FormatPicture(d.DrawLowerLimit, 2));
  c.SetText("EditRxStep", FormatPicture(d.DrawStep, 2));
  c.SetText("EditAmpG", FormatPicture(d.DrawMagnification, 1));
  c.SetText("EditGridNum", FormatInteger(d.GridCount));
}

void FieldsToDrawingSettings(const Controls& c, DrawingSettings& d) {
  d.DrawLowerLimit = Number(c, "EditRxMin");
  d.DrawStep = Number(c, "EditRxStep");
  d.DrawMagnification = Number(c, "EditAmpG");
  d.GridCount = Integer(c, "EditGridNum");
}

}  // namespace dorx
