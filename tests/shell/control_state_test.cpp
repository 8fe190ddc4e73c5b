// SetControlState: the groups each state switches, by mode.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "shell/control_state.h"
#include "shell/form_controls.h"

namespace dorx {
namespace {

constexpr int kFieldStrength = 0;
constexpr int kFlood = 1;

class ControlStateTest : public ::testing::Test {
 protected:
  void SetUp() override { DeclareFormControls(c); }
  Controls c;
};

TEST_F(ControlStateTest, LockedLeavesOnlyTheTwoOpenButtons) {
  SetControlState(c, kFieldStrength, 0);
  for (const char* button : {"ButtonSIMExec", "ButtonSIMStop", "ButtonMesh", "ButtonIMGExec", "ButtonIMGStop",
                             "ButtonIMGSave"})
    EXPECT_FALSE(c.Enabled(button)) << button;
  EXPECT_TRUE(c.Enabled("ButtonSIMOpen"));
  EXPECT_TRUE(c.Enabled("ButtonIMGOpen"));
  for (const char* input : {"EditMpNSN", "LabelMpNS_", "EditAnomaly", "EditTxName", "EditTxAtDeg",
                            "CheckBoxAntenna", "CheckBoxAnomaly", "EditRxMin", "RadioButtonDORX", "CheckBoxSea"})
    EXPECT_FALSE(c.Enabled(input)) << input;
  EXPECT_TRUE(c.Visible("EditMpCoa"));
  EXPECT_TRUE(c.Visible("GroupBoxTx"));
  EXPECT_FALSE(c.Visible("GroupBoxWater"));
}

TEST_F(ControlStateTest, FloodModeHidesTheCoarseGridControlsForGood) {
  SetControlState(c, kFlood, 0);
  for (const char* name : {"EditMpCoa", "EditMpCps", "CheckBoxCoa", "LabelMpCoa", "LabelMpCps"})
    EXPECT_FALSE(c.Visible(name)) << name;
  SetControlState(c, kFlood, 1);
  SetControlState(c, kFlood, 3);
  EXPECT_FALSE(c.Visible("EditMpCoa"));
  EXPECT_FALSE(c.Visible("GroupBoxTx"));
  EXPECT_FALSE(c.Visible("GroupBoxRx"));
  EXPECT_TRUE(c.Visible("GroupBoxWater"));
  EXPECT_TRUE(c.Enabled("EditWxName"));
  EXPECT_EQ(c.Caption("LabelRxMin"), "水位　下限 [m]");
  EXPECT_EQ(c.Caption("LabelRxStep"), "　　　　間隔 [m]");
}

TEST_F(ControlStateTest, FieldStrengthModeKeepsTheFormCaptions) {
  SetControlState(c, kFieldStrength, 0);
  EXPECT_EQ(c.Caption("LabelRxMin"), "電界 下限 [dBu]");
  EXPECT_EQ(c.Caption("LabelRxStep"), " 　　　 間隔 [dBu]");
}

TEST_F(ControlStateTest, CalculationInputsFollowTheAnomalyBox) {
  SetControlState(c, kFieldStrength, 0);
  SetControlState(c, kFieldStrength, 1);
  EXPECT_FALSE(c.Enabled("EditAnomaly"));  // the box is clear
  EXPECT_TRUE(c.Enabled("CheckBoxAnomaly"));
  EXPECT_TRUE(c.Enabled("LabelMpNS_"));    // the separators come back with their rows
  EXPECT_TRUE(c.Enabled("LabelMpEW_"));
  EXPECT_TRUE(c.Enabled("EditTxAtDeg"));   // with the station group, whatever the pattern
  EXPECT_FALSE(c.Enabled("ButtonSIMExec"));  // buttons untouched
  EXPECT_FALSE(c.Enabled("EditRxMin"));

  c.SetChecked("CheckBoxAnomaly", true);
  SetControlState(c, kFieldStrength, 0);
  SetControlState(c, kFieldStrength, 1);
  EXPECT_TRUE(c.Enabled("EditAnomaly"));
  EXPECT_TRUE(c.Enabled("LabelAnomaly"));
}

TEST_F(ControlStateTest, OneGroupPerState) {
  struct Row {
    int state;
    const char* control;
    bool enabled;
  };
  const Row rows[] = {
      {3, "RadioButtonSecColor", true}, {3, "EditGridNum", true},   {3, "CheckBoxMove", true},
      {7, "ButtonSIMOpen", false},      {7, "ButtonIMGOpen", false}, {11, "EditTxAtDeg", false},
      {11, "LabelTxAtName", false},     {13, "LabelTxAtDeg", true},  {15, "EditAnomaly", false},
      {17, "EditAnomaly", true},        {17, "LabelAnomaly", true},
  };
  for (const Row& row : rows) {
    SetUp();
    SetControlState(c, kFieldStrength, row.state == 3 || row.state == 13 || row.state == 17 ? 0 : 1);
    SetControlState(c, kFieldStrength, row.state);
    EXPECT_EQ(c.Enabled(row.control), row.enabled) << "state " << row.state << " " << row.control;
  }
}

TEST_F(ControlStateTest, DefaultChoicesSetBoxesAndRadioButtons) {
  c.SetChecked("CheckBoxGrid", true);
  c.SetChecked("RadioButtonSIM2", true);
  c.SetChecked("RadioButtonSecLine", true);
  SetControlState(c, kFieldStrength, 5);
  EXPECT_FALSE(c.Checked("CheckBoxGrid"));
  EXPECT_TRUE(c.Checked("CheckBoxFineBig"));
  EXPECT_TRUE(c.Checked("CheckBoxSea"));
  EXPECT_TRUE(c.Checked("RadioButtonDORX"));
  EXPECT_FALSE(c.Checked("RadioButtonSIM2"));
  EXPECT_TRUE(c.Checked("RadioButtonSecNon"));
  EXPECT_FALSE(c.Checked("RadioButtonSecLine"));
}

TEST_F(ControlStateTest, UndefinedStatesOnlyShowTheGroupBoxesOfTheMode) {
  for (int state : {2, 4, -1, 99}) {
    SetUp();
    const auto before = c.State("ButtonSIMExec").enabled;
    SetControlState(c, kFlood, state);
    EXPECT_FALSE(c.Visible("GroupBoxTx")) << state;
    EXPECT_TRUE(c.Visible("GroupBoxWater")) << state;
    EXPECT_EQ(c.Enabled("ButtonSIMExec"), before) << state;
    EXPECT_TRUE(c.Enabled("EditWxName")) << state;
  }
}

}  // namespace
}  // namespace dorx
