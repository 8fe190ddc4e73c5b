// The commands of the calculation page.
#include "files/antenna_pattern.h"
#include "files/project_file.h"
#include "platform/file_system.h"
#include "platform/local_time.h"
#include "platform/sjis.h"
#include "render/antenna_diagram.h"
#include "shell/control_state.h"
#include "shell/field_formats.h"
#include "shell/message_report.h"
#include "shell/simengine.h"

namespace dorx {
namespace {

const char* const kProjectFilter = "xix|*.xix";
const char* const kMeshFolderCaption = "メッシュフォルダ群の親フォルダを指定して下さい。";

}  // namespace

ValidationResult TsimForm::Validate(StartKind kind) {
  const ValidationInput input{ctx_.params,          ctx_.FloodMode, kind, FolderExists(ctx_.MeshFolder),
                              ctx_.drawing.DrawMagnification, ctx_.drawing.DrawStep};
  ValidationResult result = ValidateParameters(input);
  // The box is cleared while the checks run, before the text is shown; its
  // handler's code 0 must not blank the text.
  if (result.clear_antenna_box) controls_.SetChecked("CheckBoxAntenna", false);
  if (result.result != 0) ShowStatusCp932(result.status_text);
  return result;
}

void TsimForm::ButtonSIMOpenClick() {
  const auto file = desktop_.ChooseOpenFile({"OpenDialogSIM", kProjectFilter, ctx_.ProgramFolder});
  if (!file) return;
  ctx_.OutputFolder = FolderOf(*file);
  ctx_.ProjectFilePath = *file;
  SetMessageText(Utf8ToCp932(*file));
  controls_.SetHint("ButtonSIMOpen", *file);
  desktop_.SetCaption(*file);
  ShowMessageCode(kMsgShowPath);
  ResetLayer(3001, 0, 0);
  SetControlState(kStateLocked);
  ReadProjectFile(*file, ctx_.params, *this);
  ParametersToFields();
  SetControlState(kStateCalculationInputs);
  ctx_.ImageReady = false;
  EnableButtons({"ButtonSIMExec", "ButtonSIMStop"}, false);
  controls_.SetEnabled("ButtonMesh", true);
  if (ctx_.MeshFolderChosen) controls_.SetEnabled("ButtonSIMExec", true);
  controls_.SetChecked("RadioButtonSecNon", true);
  desktop_.Repaint();
}

void TsimForm::ButtonMeshClick() {
  const auto folder = desktop_.ChooseFolder(kMeshFolderCaption);
  if (!folder) return;
  ctx_.MeshFolder = WithTrailingSeparator(*folder);
  SetMessageText(Utf8ToCp932(ctx_.MeshFolder));
  controls_.SetHint("ButtonMesh", ctx_.MeshFolder);
  ShowMessageCode(kMsgShowPath);
  ctx_.MeshFolderChosen = true;
  EnableButtons({"ButtonIMGOpen", "ButtonSIMOpen", "ButtonSIMExec"}, true);
  controls_.SetEnabled("ButtonSIMStop", false);
}

void TsimForm::ButtonSIMExecClick() {
  last_calculation_ = CalculationStart{};
  last_calculation_.started = true;
  ctx_.StopRequested = false;
  FieldsToParameters();
  if (Validate(StartKind::kCalculation).result == 0) {
    last_calculation_.validated = true;
    ResetLayer(3001, 0, 0);
    SetControlState(kStateLocked);
    EnableButtons({"ButtonIMGOpen", "ButtonSIMOpen", "ButtonSIMExec"}, false);
    controls_.SetEnabled("ButtonSIMStop", true);
    RunOptions options;
    options.anomaly_removal = controls_.Checked("CheckBoxAnomaly");
    options.overwrite = controls_.Checked(ctx_.FloodMode == 0 ? "CheckBoxTxName" : "CheckBoxWxName");
    options.start = CurrentLocalTime();
    run_active_ = true;
    last_calculation_.run = RunCalculation(ctx_, *this, options);
    run_active_ = false;
    SetControlState(kStateCalculationInputs);
    EnableButtons({"ButtonIMGOpen", "ButtonSIMOpen", "ButtonSIMExec"}, true);
    controls_.SetEnabled("ButtonSIMStop", false);
  }
  if (ctx_.MeshFolderChosen) controls_.SetEnabled("ButtonMesh", true);
  desktop_.Repaint();
}

void TsimForm::ButtonSIMStopClick() { ctx_.StopRequested = true; }

void TsimForm::ResetPatternView(bool visible) {
  ResetLayer(3003, 480, 504);
  rs_.pictures.ImageCSR.visible = visible;
}

void TsimForm::LoadAndDrawPattern() {
  LoadAntennaPattern(ctx_.params, ctx_.pattern, *this);
  DrawAntennaDiagram(ctx_.params, ctx_.pattern, rs_.pictures);
  desktop_.Repaint();
}

void TsimForm::CheckBoxAntennaClick() {
  ProjectParameters& p = ctx_.params;
  std::optional<std::string> file;
  if (controls_.Checked("CheckBoxAntenna"))
    file = desktop_.ChooseOpenFile({"OpenDialogSIM", kProjectFilter, ctx_.ProgramFolder});
  if (file) {
    const std::string name = FileNameOf(*file);
    p.Antenna_Pattern_File = FieldTextCp932(name);
    p.AntennaPatternPath = *file;
    SetMessageText(Utf8ToCp932(*file));
    controls_.SetHint("CheckBoxAntenna", *file);
    controls_.SetCaption("LabelTxAtName", name);
    p.Antenna_Angle = FieldDouble(controls_.Text("EditTxAtDeg"));
    ShowMessageCode(kMsgShowPath);
    SetControlState(kStatePatternChosen);
    ResetPatternView(true);
    LoadAndDrawPattern();
    return;
  }
  p.Antenna_Pattern_File = kNoPattern;
  p.AntennaPatternPath = kNoPattern;
  p.Antenna_Angle = 0.0;
  controls_.SetHint("CheckBoxAntenna", kNoPattern);
  controls_.SetCaption("LabelTxAtName", kNoPattern);
  controls_.SetText("EditTxAtDeg", "0.00");
  ShowMessageCode(kMsgOperationEnded);
  SetControlState(kStateNoPattern);
  ResetPatternView(false);
  // Clearing a box that the user checked runs this handler once more, which
  // finds everything already cleared.
  controls_.SetChecked("CheckBoxAntenna", false);
  desktop_.Repaint();
}

void TsimForm::EditTxAtDegChange() {
  ProjectParameters& p = ctx_.params;
  if (!controls_.Checked("CheckBoxAntenna") || p.AntennaPatternPath == kNoPattern ||
      p.Antenna_Pattern_File == kNoPattern)
    return;
  p.Antenna_Angle = FieldDouble(controls_.Text("EditTxAtDeg"));
  ResetPatternView(true);
  LoadAndDrawPattern();
}

void TsimForm::CheckBoxAnomalyClick() {
  SetControlState(controls_.Checked("CheckBoxAnomaly") ? kStateAnomalyOn : kStateAnomalyOff);
}

}  // namespace dorx
