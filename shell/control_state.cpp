#include "shell/control_state.h"

#include <initializer_list>

namespace dorx {
namespace {

using Names = std::initializer_list<const char*>;

const Names kAreaGroup = {"LabelMpNS", "LabelMpEW", "LabelMpNS_", "LabelMpEW_", "LabelMesh",
                          "EditMpNSN", "EditMpNSS", "EditMpEWE",  "EditMpEWW"};
const Names kAnomalyGroup = {"LabelAnomaly", "EditAnomaly"};
const Names kStationGroup = {
    "LabelTxName", "LabelTxNSdeg", "LabelTxEWdeg", "LabelTxAlt", "LabelTxLoss", "LabelTxGain",
    "LabelTxPower", "LabelTxFrequency", "LabelTxAnte", "LabelTxAtDeg", "LabelTxAtName", "LabelRxAlt",
    "LabelRxLoss", "LabelMpCoa", "LabelMpCps", "EditTxName", "EditTxNS1", "EditTxNS2", "EditTxNS3",
    "EditTxEW1", "EditTxEW2", "EditTxEW3", "EditTxAlt", "EditTxLoss", "EditTxGain", "EditTxPower",
    "EditTxFrequency", "EditTxAtDeg", "EditRxAlt", "EditRxLoss", "EditMpCoa", "EditMpCps",
    "CheckBoxAntenna", "CheckBoxCoa", "CheckBoxTxName"};
const Names kFloodGroup = {"LabelWxName", "LabelWxNSdeg", "LabelWxEWdeg", "LabelWxAlt", "EditWxName",
                           "EditWxNS1",   "EditWxNS2",    "EditWxNS3",    "EditWxEW1",  "EditWxEW2",
                           "EditWxEW3",   "EditWxAlt",    "CheckBoxWxName"};
const Names kCoarseGridControls = {"LabelMpCoa", "LabelMpCps", "EditMpCoa", "EditMpCps", "CheckBoxCoa"};
const Names kDrawingGroup = {
    "LabelRxMin", "LabelRxStep", "LabelAmpG", "LabelSea", "EditRxMin", "EditRxStep", "EditAmpG",
    "EditGridNum", "RadioButtonDORX", "RadioButtonSIM1", "RadioButtonSIM2", "RadioButtonSIM3",
    "RadioButtonFineNon", "RadioButtonFineColor", "RadioButtonFineLine", "RadioButtonMAPX",
    "RadioButtonMAP1", "RadioButtonMAP2", "RadioButtonSecNon", "RadioButtonSecLine",
    "RadioButtonSecColor", "CheckBoxFineBig", "CheckBoxSea", "CheckBoxGrid", "CheckBoxMove"};
const Names kAllButtons = {"ButtonSIMOpen", "ButtonSIMExec", "ButtonSIMStop", "ButtonMesh",
                           "ButtonIMGOpen", "ButtonIMGExec", "ButtonIMGStop", "ButtonIMGSave"};
const Names kLockedButtons = {"ButtonSIMExec", "ButtonSIMStop", "ButtonMesh", "ButtonIMGExec",
                              "ButtonIMGStop", "ButtonIMGSave"};
const Names kPatternControls = {"EditTxAtDeg", "LabelTxAtDeg", "LabelTxAtName"};
const Names kClearedByDefault = {"CheckBoxAntenna", "CheckBoxCoa",  "CheckBoxAnomaly", "CheckBoxTxName",
                                 "CheckBoxWxName",  "CheckBoxGrid", "CheckBoxMove"};
const Names kCheckedByDefault = {"CheckBoxFineBig", "CheckBoxSea", "RadioButtonDORX", "RadioButtonFineNon",
                                 "RadioButtonMAPX", "RadioButtonSecNon"};

void Enable(Controls& c, Names names, bool enabled) {
  for (const char* name : names) c.SetEnabled(name, enabled);
}

void Show(Controls& c, Names names, bool visible) {
  for (const char* name : names) c.SetVisible(name, visible);
}

void ShowGroupBoxesOfMode(Controls& c, int flood_mode) {
  const bool flood = flood_mode != 0;
  c.SetVisible("GroupBoxTx", !flood);
  c.SetVisible("GroupBoxRx", !flood);
  c.SetVisible("GroupBoxWater", flood);
  if (flood) {
    c.SetCaption("LabelRxMin", "水位　下限 [m]");
    c.SetCaption("LabelRxStep", "　　　　間隔 [m]");
  }
}

void Lock(Controls& c, int flood_mode) {
  Enable(c, kAreaGroup, false);
  Enable(c, kAnomalyGroup, false);
  if (flood_mode == 0) {
    Enable(c, kStationGroup, false);
    Show(c, kCoarseGridControls, true);
    c.SetVisible("LabelAnomaly", true);
  } else {
    Enable(c, kFloodGroup, false);
    Show(c, kCoarseGridControls, false);
  }
  c.SetEnabled("ButtonSIMOpen", true);
  c.SetEnabled("ButtonIMGOpen", true);
  Enable(c, kLockedButtons, false);
  Enable(c, kDrawingGroup, false);
  c.SetEnabled("CheckBoxAnomaly", false);
}

void EnableCalculationInputs(Controls& c, int flood_mode) {
  Enable(c, kAreaGroup, true);
  c.SetEnabled("CheckBoxAnomaly", true);
  if (c.Checked("CheckBoxAnomaly")) Enable(c, kAnomalyGroup, true);
  Enable(c, flood_mode != 0 ? kFloodGroup : kStationGroup, true);
}

void SetDefaultChoices(Controls& c) {
  for (const char* name : kClearedByDefault) c.SetChecked(name, false);
  // Checking a radio button clears the others of its group box.
  for (const char* name : kCheckedByDefault) c.SetChecked(name, true);
}

}  // namespace

void SetControlState(Controls& controls, int flood_mode, int state) {
  ShowGroupBoxesOfMode(controls, flood_mode);
  switch (state) {
    case kStateLocked: Lock(controls, flood_mode); break;
    case kStateCalculationInputs: EnableCalculationInputs(controls, flood_mode); break;
    case kStateDrawingInputs: Enable(controls, kDrawingGroup, true); break;
    case kStateDefaultChoices: SetDefaultChoices(controls); break;
    case kStateNoButtons: Enable(controls, kAllButtons, false); break;
    case kStateNoPattern: Enable(controls, kPatternControls, false); break;
    case kStatePatternChosen: Enable(controls, kPatternControls, true); break;
    case kStateAnomalyOff: Enable(controls, kAnomalyGroup, false); break;
    case kStateAnomalyOn: Enable(controls, kAnomalyGroup, true); break;
    default: break;
  }
}

}  // namespace dorx
