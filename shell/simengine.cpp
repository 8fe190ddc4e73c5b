#include "shell/simengine.h"

#include "files/datum_table_file.h"
#include "files/kml_template.h"
#include "files/project_file.h"
#include "files/settings_file.h"
#include "platform/file_system.h"
#include "shell/control_state.h"
#include "shell/form_controls.h"
#include "shell/parameter_fields.h"
#include "shell/view_controls.h"

namespace dorx {
namespace {

// Title screen and working window: the regions that the title screen hides.
constexpr const char* kWindowRegions[] = {"simPageControl", "simPanel", "simScrollBoxSEC", "simStatusBar",
                                          "simButtonPageControl"};

const char* ModeName(int flood_mode) { return flood_mode != 0 ? "Dorw" : "Dorx"; }

}  // namespace

TsimForm::TsimForm(Desktop& desktop) : desktop_(desktop) {
  DeclareFormControls(controls_);
  rs_.view = ViewChoicesFromControls(controls_);
  ConnectHandlers();
}

void TsimForm::ConnectHandlers() {
  Controls& c = controls_;
  c.OnClick("ButtonSIMOpen", [this] { ButtonSIMOpenClick(); });
  c.OnClick("ButtonMesh", [this] { ButtonMeshClick(); });
  c.OnClick("ButtonSIMExec", [this] { ButtonSIMExecClick(); });
  c.OnClick("ButtonSIMStop", [this] { ButtonSIMStopClick(); });
  c.OnClick("CheckBoxAntenna", [this] { CheckBoxAntennaClick(); });
  c.OnClick("CheckBoxAnomaly", [this] { CheckBoxAnomalyClick(); });
  c.OnChange("EditTxAtDeg", [this] { EditTxAtDegChange(); });

  c.OnClick("ButtonIMGOpen", [this] { ButtonIMGOpenClick(); });
  c.OnClick("ButtonIMGExec", [this] { ButtonIMGExecClick(); });
  c.OnClick("ButtonIMGStop", [this] { ButtonIMGStopClick(); });
  c.OnClick("ButtonIMGSave", [this] { ButtonIMGSaveClick(); });
  for (const char* view : {"RadioButtonDORX", "RadioButtonSIM1", "RadioButtonSIM2", "RadioButtonSIM3",
                           "RadioButtonMAPX", "RadioButtonMAP1", "RadioButtonMAP2"})
    c.OnClick(view, [this] { ResultViewClick(); });
  c.OnChange("EditGridNum", [this] { EditGridNumChange(); });
  c.OnClick("RadioButtonSecNon", [this] { RadioButtonSecNonClick(); });
  c.OnClick("RadioButtonSecLine", [this] { RadioButtonSecShowClick(); });
  c.OnClick("RadioButtonSecColor", [this] { RadioButtonSecShowClick(); });

  c.OnClick("simButtonPageControl", [this] { simButtonPageControlClick(); });
  c.OnClick("simButtonSection", [this] { simButtonSectionClick(); });

  // The painters read the drawing page's choices from RenderState.view; the
  // observer runs before any click handler, so a handler sees them in step.
  c.AddObserver([this](const std::string&, ControlProperty property) {
    if (property == ControlProperty::kChecked) rs_.view = ViewChoicesFromControls(controls_);
  });
}

void TsimForm::EnsureDefaultFile(const std::string& name,
                                 bool (*write_default)(const std::string&, MessageSink&)) {
  ctx_.ProjectFilePath = ctx_.ProgramFolder + name;
  if (!ReadWholeFile(ctx_.ProjectFilePath)) write_default(ctx_.ProjectFilePath, *this);
}

void TsimForm::StartUp(const std::string& program_folder) {
  ctx_.ProgramFolder = WithTrailingSeparator(program_folder);
  ctx_.OutputFolder = ctx_.ProgramFolder;
  EnsureDefaultFile("Dorx.xix", WriteDefaultProjectFile);
  EnsureDefaultFile("Dorx.kml", WriteDefaultKmlTemplate);
  EnsureDefaultFile("Dorx.ini", WriteDefaultSettingsFile);
  if (!ReadSettingsFile(ctx_.ProjectFilePath, ctx_.ProgramFolder, ctx_.settings, *this)) return;
  ctx_.FloodMode = ctx_.settings.FloodMode();
  ShowSplash(0, 0);
  for (int state : {kStateLocked, kStateDefaultChoices, kStateNoButtons, kStateNoPattern}) SetControlState(state);
  ResetParameters();
  ParametersToFields();
  DrawingSettingsToFields();
  SetControlState(kStateLocked);
  ShowSplash(1, 0);
}

void TsimForm::ResetParameters() {
  ctx_.params = StartUpParameters(ctx_.FloodMode);
  ctx_.drawing = StartUpDrawingSettings(ctx_.FloodMode);
  ctx_.StopRequested = false;
  ctx_.ImageReady = false;
  ctx_.CursorTracking = false;
  ctx_.MeshFolderChosen = false;
  ctx_.DatumTableAnswer = 0;
  const DatumStartupLink link{*this, [this] { return ctx_.DatumTableAnswer; },
                              [this](int32_t n) { ShowSplash(3, n); }};
  CheckDatumTableAtStartUp(ctx_.ProgramFolder, ctx_.settings, ctx_.datum, link);
}

void TsimForm::ShowSplash(int mode, int n) {
  ProcessEvents(mode == 3);
  if (mode == 0) {
    for (const char* region : kWindowRegions) controls_.SetVisible(region, false);
    desktop_.ShowTitleScreen(ModeName(ctx_.FloodMode));
  } else if (mode == 3) {
    if (n % 1000 == 0) desktop_.ShowTitleCount(n);
  } else if (mode == 1) {
    ResetLayer(3001, 0, 0);
    controls_.SetText("simPageControl", "TabSheetSIM");
    for (const char* region : kWindowRegions) controls_.SetVisible(region, true);
    controls_.SetVisible("simScrollBoxSEC", false);
    desktop_.SetCaption(ModeName(ctx_.FloodMode));
    desktop_.ShowWorkingWindow();
    desktop_.Repaint();
  }
}

void TsimForm::SetControlState(int state) { dorx::SetControlState(controls_, ctx_.FloodMode, state); }

void TsimForm::FieldsToParameters() { dorx::FieldsToParameters(controls_, ctx_.FloodMode, ctx_.params); }

void TsimForm::ParametersToFields() { dorx::ParametersToFields(ctx_.params, ctx_.FloodMode, controls_); }

void TsimForm::DrawingSettingsToFields() { dorx::DrawingSettingsToFields(ctx_.drawing, controls_); }

void TsimForm::FieldsToDrawingSettings() { dorx::FieldsToDrawingSettings(controls_, ctx_.drawing); }

void TsimForm::EnableButtons(std::initializer_list<const char*> names, bool enabled) {
  for (const char* name : names) controls_.SetEnabled(name, enabled);
}

}  // namespace dorx
