// ShowMessageCode of the main window: pending events, status line, message
// boxes, the datum question, the end of the program and the forwarding of the
// painting codes to the cell painter.
#include "platform/sjis.h"
#include "render/cell_painter.h"
#include "shell/message_report.h"
#include "shell/simengine.h"

namespace dorx {
namespace {

bool IsCellCode(int code) { return code >= 5001 && code <= 5031; }

}  // namespace

void TsimForm::SetMessageText(std::string_view cp932) { ctx_.SetMessageText(cp932); }

void TsimForm::ProcessEvents(bool per_cell) {
  // Report codes are rare: they always let the window catch up. The per-cell
  // codes and the title-screen count arrive millions of times.
  if (!per_cell || throttle_.Due(EventThrottle::Clock::now())) desktop_.ProcessPendingEvents();
}

void TsimForm::ShowStatusCp932(const std::string& cp932) { desktop_.SetStatusText(Cp932ToUtf8(cp932)); }

void TsimForm::ShowMessageCode(int code, int a, int b) {
  const bool per_cell = IsCellCode(code);
  if (per_cell) last_progress_ = {code, a, b};
  else last_report_code_ = code;
  ProcessEvents(per_cell);
  ApplyReport(code, a, b);
  if (IsPaintingCode(code)) dorx::PaintCell(ctx_, rs_, code, a, b);
}

void TsimForm::ApplyReport(int code, int a, int b) {
  const MessageReport report = ReportForCode(ctx_, code, a, b);
  if (report.status) ShowStatusCp932(*report.status);
  if (code == kMsgOperationEnded) ctx_.MessageText.clear();
  if (report.box && report.question) {
    const bool yes = desktop_.AskYesNo(Cp932ToUtf8(*report.box));
    ctx_.DatumTableAnswer = yes ? 1 : -1;
    if (!yes) desktop_.ShowMessage(Cp932ToUtf8(DatumDeclinedText()));
  } else if (report.box) {
    desktop_.ShowMessage(Cp932ToUtf8(*report.box));
  }
  switch (code) {
    case kMsgDatumSourceMissing: ctx_.DatumTableAnswer = -3; break;
    case kMsgDatumTableNotWritten: ctx_.DatumTableAnswer = -5; break;
    case kMsgSettingsMissing:
      ending_ = true;
      desktop_.EndProgram(0);
      break;
    default: break;
  }
}

}  // namespace dorx
