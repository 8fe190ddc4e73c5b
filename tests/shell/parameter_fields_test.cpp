// The parameter fields: which field shows which value in each mode, the
// formats, and the values a run takes from the texts.
#include <gtest/gtest.h>

#include "engine/context.h"
#include "platform/controls.h"
#include "shell/form_controls.h"
#include "shell/parameter_fields.h"
#include "support/default_station.h"
#include "support/test_support.h"

namespace dorx {
namespace {

constexpr int kFieldStrength = 0;
constexpr int kFlood = 1;

// The default project's values (Dorx.xix).
ProjectParameters DefaultProject() {
  ProjectParameters p;
  p.Project_Name = test::Sjis("富士山");
  p.Source_North_latitude = {35, 21, 38.4};
  p.Source_East_longitude = {138, 43, 38.4};
  p.Range_North = p.Range_South = p.Range_East = p.Range_West = 320;
  test::SetDefaultRadio(p);
  return p;
}

class ParameterFieldsTest : public ::testing::Test {
 protected:
  void SetUp() override { DeclareFormControls(c); }
  Controls c;
};

TEST_F(ParameterFieldsTest, FieldStrengthFieldsShowTheDefaultProject) {
  ParametersToFields(DefaultProject(), kFieldStrength, c);
  struct Row {
    const char* field;
    const char* text;
  };
  const Row rows[] = {
      {"EditMpNSN", "320"},      {"EditMpNSS", "320"},    {"EditMpEWE", "320"},     {"EditMpEWW", "320"},
      {"EditAnomaly", "300"},    {"EditMpCoa", "1"},      {"EditMpCps", "0"},       {"EditTxName", "富士山"},
      {"EditTxNS1", "35"},       {"EditTxNS2", "21"},     {"EditTxNS3", "38.4000"}, {"EditTxEW1", "138"},
      {"EditTxEW2", "43"},       {"EditTxEW3", "38.4000"}, {"EditTxAlt", "40.00"},  {"EditTxLoss", "20.50"},
      {"EditTxPower", "100.00"}, {"EditTxFrequency", "500.000"}, {"EditTxGain", "4.00"}, {"EditTxAtDeg", "0.00"},
      {"EditRxAlt", "1.80"},     {"EditRxLoss", "2.00"},
  };
  for (const Row& row : rows) EXPECT_EQ(c.Text(row.field), row.text) << row.field;
  EXPECT_EQ(c.Caption("LabelTxAtName"), "!");
  EXPECT_FALSE(c.Checked("CheckBoxCoa"));
  EXPECT_EQ(c.Text("EditWxName"), "");  // the flood fields are not touched
}

TEST_F(ParameterFieldsTest, FloodFieldsUseTheUpperRowForTheLatitude) {
  ProjectParameters p = DefaultProject();
  p.WaterLevel = 10.0;
  ParametersToFields(p, kFlood, c);
  EXPECT_EQ(c.Text("EditWxName"), "富士山");
  EXPECT_EQ(c.Text("EditWxNS1"), "35");
  EXPECT_EQ(c.Text("EditWxEW1"), "138");
  EXPECT_EQ(c.Text("EditWxAlt"), "10.00");
  EXPECT_EQ(c.Text("EditMpNSN"), "320");
  EXPECT_EQ(c.Text("EditTxName"), "");  // no station fields in flood mode
  EXPECT_EQ(c.Text("EditMpCoa"), "");

  c.SetText("EditWxNS1", "36");
  c.SetText("EditWxAlt", "2.5");
  ProjectParameters read = p;
  FieldsToParameters(c, kFlood, read);
  EXPECT_EQ(read.Source_North_latitude.degrees, 36.0);
  EXPECT_EQ(read.Source_East_longitude.degrees, 138.0);
  EXPECT_EQ(read.WaterLevel, 2.5);
}

TEST_F(ParameterFieldsTest, ValuesReadBackAreTheShownOnesNotTheOnesHeldBefore) {
  // The fields round: after ParametersToFields the values read back are the
  // shown ones, not the ones held before.
  ProjectParameters p = DefaultProject();
  p.Tx_Loss = 20.456;
  p.Source_North_latitude.seconds = 38.123456;
  ParametersToFields(p, kFieldStrength, c);
  ProjectParameters read;
  FieldsToParameters(c, kFieldStrength, read);
  EXPECT_EQ(read.Tx_Loss, 20.46);
  EXPECT_EQ(read.Source_North_latitude.seconds, 38.1235);
  EXPECT_EQ(read.Project_Name, p.Project_Name);
  EXPECT_EQ(read.Range_West, 320);
  EXPECT_EQ(read.Tx_Frequency, 500.0);
}

TEST_F(ParameterFieldsTest, TextsBecomeNumbersAsAtolAndStrtodReadThem) {
  ParametersToFields(DefaultProject(), kFieldStrength, c);
  c.SetText("EditMpCoa", "2x");
  c.SetText("EditMpCps", "300");    // low 8 bits: 44
  c.SetText("EditTxPower", "x2");   // no number: 0, left to the range check
  c.SetText("EditTxNS2", "21.5");   // minutes kept as entered
  c.SetText("EditTxName", "Mt Fuji");  // blanks kept whole
  c.SetChecked("CheckBoxCoa", true);
  ProjectParameters read;
  FieldsToParameters(c, kFieldStrength, read);
  EXPECT_EQ(read.Coarse, 2);
  EXPECT_EQ(read.Compensation, 44);
  EXPECT_EQ(read.Tx_Power, 0.0);
  EXPECT_EQ(read.Source_North_latitude.minutes, 21.5);
  EXPECT_EQ(read.Project_Name, "Mt Fuji");
  EXPECT_EQ(read.Flag_Reduction, 1);

  ParametersToFields(read, kFieldStrength, c);
  EXPECT_EQ(c.Text("EditTxNS2"), "21");  // shown cut toward zero
  EXPECT_EQ(c.Text("EditMpCps"), "44");
  EXPECT_TRUE(c.Checked("CheckBoxCoa"));
}

TEST_F(ParameterFieldsTest, FloodModeLeavesTheStationValuesAsTheyWere) {
  ProjectParameters p = DefaultProject();
  p.Coarse = 3;
  ParametersToFields(p, kFlood, c);
  c.SetText("EditTxPower", "1");  // hidden in flood mode: not read
  ProjectParameters read = p;
  FieldsToParameters(c, kFlood, read);
  EXPECT_EQ(read.Coarse, 3);
  EXPECT_EQ(read.Tx_Power, 100.0);
}

TEST_F(ParameterFieldsTest, DrawingSettingsShowAndReadTheirFourFields) {
  DrawingSettingsToFields(StartUpDrawingSettings(0), c);
  EXPECT_EQ(c.Text("EditRxMin"), "0.00");
  EXPECT_EQ(c.Text("EditRxStep"), "5.00");
  EXPECT_EQ(c.Text("EditAmpG"), "100.0");
  EXPECT_EQ(c.Text("EditGridNum"), "5");
  c.SetText("EditRxMin", "-20");
  c.SetText("EditRxStep", "2.5");
  c.SetText("EditAmpG", "50");
  c.SetText("EditGridNum", "8 rings");
  DrawingSettings d;
  FieldsToDrawingSettings(c, d);
  EXPECT_EQ(d.DrawLowerLimit, -20.0);
  EXPECT_EQ(d.DrawStep, 2.5);
  EXPECT_EQ(d.DrawMagnification, 50.0);
  EXPECT_EQ(d.GridCount, 8);
}

}  // namespace
}  // namespace dorx
