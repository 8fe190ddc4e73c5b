#pragma once
// Simengine: the main window TsimForm as a model. It owns all state of the
// system (Context, RenderState), the model of its controls and the desktop
// services it was given; it runs the start-up sequence, is the message
// dispatcher ShowMessageCode, and holds the command handlers of every
// control. The program has one instance, simForm; the window binding and the
// command line drive it through its controls and handlers.
#include <string>

#include "engine/calculation_run.h"
#include "engine/context.h"
#include "engine/window_link.h"
#include "files/validation.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "render/render_state.h"
#include "shell/event_throttle.h"

namespace dorx {

// The last per-cell progress report: code and cell (column, row from the west
// and south edges).
struct CellProgress {
  int code = 0;
  int a = 0;
  int b = 0;
};

// What the last calculation Start did.
struct CalculationStart {
  bool started = false;    // ButtonSIMExecClick ran
  bool validated = false;  // the parameters were in range and the run was started
  RunOutcome run;          // the run's outcome when it was started
};

class TsimForm final : public WindowLink {
 public:
  // Declares the controls and connects their handlers; nothing else.
  explicit TsimForm(Desktop& desktop);
  TsimForm(const TsimForm&) = delete;
  TsimForm& operator=(const TsimForm&) = delete;

  // The start-up sequence: ProgramFolder (with a separator added when it has
  // none), the default files, the settings, the title screen, the control
  // states, ResetParameters with the datum table, the fields, the working
  // window. Stops when the settings cannot be read (the program is ending).
  void StartUp(const std::string& program_folder);
  // The program was told to end (code 107).
  bool ending() const { return ending_; }

  Context& context() { return ctx_; }
  const Context& context() const { return ctx_; }
  RenderState& render() { return rs_; }
  const RenderState& render() const { return rs_; }
  Controls& controls() { return controls_; }
  const Controls& controls() const { return controls_; }
  Desktop& desktop() { return desktop_; }
  const CellProgress& last_progress() const { return last_progress_; }
  const CalculationStart& last_calculation() const { return last_calculation_; }
  // Whether the last drawing Open accepted its file, and whether the last
  // drawing Start found the parameters in range.
  bool drawing_opened() const { return drawing_opened_; }
  bool drawing_validated() const { return drawing_validated_; }
  // The last code below 5001 that reached the dispatcher (a drawing run ends
  // with code 0; its failures end with 115 or 1003).
  int last_report_code() const { return last_report_code_; }
  // A calculation run holds the cell store.
  bool run_active() const { return run_active_; }
  // How often the per-cell reports let the window process its events; a
  // script that acts between cells (or a test) may want every cell.
  void SetEventInterval(EventThrottle::Clock::duration interval) { throttle_ = EventThrottle(interval); }

  // ShowSplash(mode, n): 0 title screen, 1 working window, 3 progress count.
  void ShowSplash(int mode, int n);
  void SetControlState(int state);
  void ResetParameters();
  void DrawingSettingsToFields();
  void FieldsToDrawingSettings();

  // MessageSink and WindowLink.
  void SetMessageText(std::string_view cp932) override;
  void ShowMessageCode(int code, int a = 0, int b = 0) override;
  void PaintCell(int code, int a, int b) override;
  void ResetLayer(int code, int width, int height) override;
  void ShowRunImages() override;
  void DrawInfoPanel() override;
  void FieldsToParameters() override;
  void ParametersToFields() override;
  void ShowProjectPath(const std::string& path) override;
  void ShowFinishedMap() override;

  // Calculation page.
  void ButtonSIMOpenClick();
  void ButtonMeshClick();
  void ButtonSIMExecClick();
  void ButtonSIMStopClick();
  void CheckBoxAntennaClick();
  void EditTxAtDegChange();
  void CheckBoxAnomalyClick();

  // Drawing page.
  void ButtonIMGOpenClick();
  void ButtonIMGExecClick();
  void ButtonIMGStopClick();
  void ButtonIMGSaveClick();
  void ResultViewClick();  // RadioButtonDORX, SIM1, SIM2, SIM3, MAPX, MAP1, MAP2
  void EditGridNumChange();
  void RadioButtonSecNonClick();
  void RadioButtonSecShowClick();  // RadioButtonSecLine, RadioButtonSecColor

  // Window and map.
  void simButtonPageControlClick();
  void simButtonSectionClick();
  void FormMouseWheel(int wheel_delta);
  void ImageCSRMouseMove(int X, int Y);
  void ImageCSRClick();
  void ImageFINClick();

 private:
  void ConnectHandlers();
  void ApplyReport(int code, int a, int b);
  void ProcessEvents(bool per_cell);
  void EnsureDefaultFile(const std::string& name, bool (*write_default)(const std::string&, MessageSink&));
  ValidationResult Validate(StartKind kind);
  void ShowStatusCp932(const std::string& cp932);
  void EnableButtons(std::initializer_list<const char*> names, bool enabled);
  void ResetPatternView(bool visible);
  void LoadAndDrawPattern();

  Desktop& desktop_;
  Context ctx_;
  RenderState rs_;
  Controls controls_;
  EventThrottle throttle_;
  CellProgress last_progress_;
  CalculationStart last_calculation_;
  bool drawing_opened_ = false;
  bool drawing_validated_ = false;
  int last_report_code_ = 0;
  bool run_active_ = false;
  bool ending_ = false;
};

}  // namespace dorx
