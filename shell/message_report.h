#pragma once
// What the message dispatcher shows for a code: the status line text and the
// message box, built from the context as it stands. The side effects (the
// answer to the datum question, the end of the program, clearing MessageText,
// painting) belong to the dispatcher of the window.
#include <optional>
#include <string>

#include "engine/context.h"

namespace dorx {

enum MessageCode : int {
  kMsgOperationEnded = 0,
  kMsgDatumTableMissing = 101,
  kMsgDatumSourceMissing = 103,
  kMsgDatumTableNotWritten = 105,
  kMsgSettingsMissing = 107,
  kMsgProjectNotOpened = 109,
  kMsgPatternNotOpened = 111,
  kMsgRunFileNotOpened = 113,
  kMsgResultNotReadable = 115,
  kMsgKmlTemplateMissing = 117,
  kMsgExportFileFailed = 119,
  kMsgCannotCreate = 121,
  kMsgShowPath = 1001,
  kMsgResultInvalid = 1003,
  kMsgDatumTableBuilding = 1005,
  kMsgCursorReadout = 1011,
  kMsgSaving = 1013,
};

struct MessageReport {
  std::optional<std::string> status;  // CP932; nothing leaves the status line as it is
  std::optional<std::string> box;     // CP932; nothing shows no box
  bool question = false;              // the box asks Yes or No
};

// The report of any code, report codes and per-cell progress codes alike.
// For the progress codes the status line is written once per row (or column):
// at the cell whose column (row) index equals Coarse.
MessageReport ReportForCode(const Context& ctx, int code, int a, int b);

// The second box after the datum question was answered No.
std::string DatumDeclinedText();

// The codes the dispatcher forwards to the cell painter.
bool IsPaintingCode(int code);

}  // namespace dorx
