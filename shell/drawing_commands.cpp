// The commands of the drawing page.
#include "engine/calculation_run.h"
#include "platform/file_system.h"
#include "platform/sjis.h"
#include "render/compose_map.h"
#include "render/drawing_run.h"
#include "render/file_report.h"
#include "render/map_export.h"
#include "shell/control_state.h"
#include "shell/field_formats.h"
#include "shell/message_report.h"
#include "shell/simengine.h"

namespace dorx {

void TsimForm::ButtonIMGOpenClick() {
  const char* filter = ctx_.FloodMode == 0 ? "dorx|*.dorx" : "dorw|*.dorw";
  const auto file = desktop_.ChooseOpenFile({"OpenDialogIMG", filter, ctx_.ProgramFolder});
  if (!file) return;
  drawing_opened_ = false;
  ctx_.OutputFolder = FolderOf(*file);
  ctx_.ProjectFilePath = *file;
  ctx_.ResultFilePath = *file;
  ShowMessageCode(kMsgOperationEnded);
  SetMessageText(Utf8ToCp932(*file));
  controls_.SetHint("ButtonIMGOpen", *file);
  desktop_.SetCaption(*file);
  ctx_.StopRequested = false;
  ctx_.ImageReady = false;
  ctx_.CursorTracking = false;
  ShowMessageCode(kMsgShowPath);
  ResetLayer(3001, 0, 0);
  SetControlState(kStateLocked);
  SetControlState(kStateDrawingInputs);
  const int opened = OpenResultForDrawing(ctx_, rs_, *this);
  desktop_.Repaint();
  if (opened != 0) return;
  drawing_opened_ = true;
  ParametersToFields();
  EnableButtons({"ButtonIMGOpen", "ButtonIMGExec"}, true);
  EnableButtons({"ButtonIMGStop", "ButtonIMGSave"}, false);
  controls_.SetChecked("RadioButtonSecNon", true);
}

void TsimForm::ButtonIMGExecClick() {
  ctx_.StopRequested = false;
  ctx_.ImageReady = false;
  ctx_.CursorTracking = false;
  ResetLayer(3001, 0, 0);
  SetControlState(kStateLocked);
  FieldsToDrawingSettings();
  EnableButtons({"ButtonSIMOpen", "ButtonIMGOpen", "ButtonIMGExec", "ButtonIMGSave"}, false);
  controls_.SetEnabled("ButtonIMGStop", true);
  drawing_validated_ = Validate(StartKind::kDrawing).result == 0;
  if (drawing_validated_) DrawResult(ctx_, rs_, *this);
  SetControlState(kStateDrawingInputs);
  ctx_.ImageReady = true;
  ctx_.CursorTracking = true;
  EnableButtons({"ButtonSIMOpen", "ButtonIMGOpen", "ButtonIMGExec"}, true);
  controls_.SetEnabled("ButtonIMGStop", false);
  controls_.SetEnabled("ButtonIMGSave", !ctx_.StopRequested);
  desktop_.Repaint();
}

void TsimForm::ButtonIMGStopClick() { ctx_.StopRequested = true; }

void TsimForm::ButtonIMGSaveClick() {
  ShowMessageCode(kMsgSaving);
  // The export names are built from the result header's Project_Name; a name
  // that no run could have written ("..", one with a separator) would put the
  // files outside the result's folder, so nothing is saved.
  const ExportNames names = BuildExportNames(ctx_.params.Project_Name, ctx_.FloodMode);
  if (IsSafeFolderName(Cp932ToUtf8(ctx_.params.Project_Name)))
    SaveMapImages(ctx_, rs_, *this);
  else
    ReportFileNotOpen(*this, FileAccess::kWrite, ExportPath(ctx_, names.entry[0]), kMsgExportFileFailed);
  ShowMessageCode(kMsgOperationEnded);
  desktop_.Repaint();
}

void TsimForm::ResultViewClick() {
  // The new composition is shown at the next mouse move over the map.
  if (ctx_.ImageReady) ComposeMap(ctx_, rs_);
}

void TsimForm::EditGridNumChange() { ctx_.drawing.GridCount = FieldInteger(controls_.Text("EditGridNum")); }

void TsimForm::RadioButtonSecNonClick() { controls_.SetVisible("simScrollBoxSEC", false); }

void TsimForm::RadioButtonSecShowClick() { controls_.SetVisible("simScrollBoxSEC", true); }

}  // namespace dorx
