#include "shell/message_report.h"

#include <cstdlib>
#include <string_view>

#include "files/datum_table_file.h"
#include "platform/sjis.h"

namespace dorx {
namespace {

const char* const kFilePrefix = " ? File Not Open: ";
const char* const kSettingsFileName = "Dorx.ini";
const char* const kKmlTemplateName = "Dorx.kml";

std::string Sjis(const char* utf8) { return Utf8ToCp932(utf8); }

std::string FileReport(const std::string& name_cp932) { return kFilePrefix + name_cp932; }

MessageReport Status(std::string cp932) { return {std::move(cp932), std::nullopt, false}; }
MessageReport StatusAndBox(std::string status, std::string box) { return {std::move(status), std::move(box), false}; }

// |value| = Coarse, compared as signed numbers without overflow.
bool AtCoarse(int value, int coarse) { return std::llabs(static_cast<long long>(value)) == coarse; }

MessageReport ProgressReport(const Context& ctx, int code, int a, int b) {
  const int coarse = ctx.params.Coarse;
  const std::string_view result_prefix = ctx.FloodMode == 0 ? "[Dorx] " : "[Dorw] ";
  MessageReport report;
  switch (code) {
    case 5001:
      if (AtCoarse(a, coarse)) report.status = "[Map] " + std::to_string(b) + "  " + ctx.MessageText;
      break;
    case 5003:
    case 5007:
      if (AtCoarse(a, coarse)) report.status = "[Map] " + std::to_string(b);
      break;
    case 5009:
      if (AtCoarse(b, coarse)) report.status = "[Map] " + std::to_string(a);
      break;
    case 5005:
      if (AtCoarse(a, coarse)) report.status = std::string(result_prefix) + std::to_string(b);
      if (AtCoarse(b, coarse)) report.status = std::string(result_prefix) + std::to_string(a);
      break;
    case 5013:
      if (AtCoarse(a, coarse)) report.status = std::string(result_prefix) + std::to_string(b);
      break;
    default:
      break;
  }
  return report;
}

}  // namespace

bool IsPaintingCode(int code) {
  switch (code) {
    case 5001: case 5003: case 5005: case 5011: case 5013: case 5015: case 5017: case 5019: case 5031:
      return true;
    default:
      return false;
  }
}

std::string DatumDeclinedText() { return Sjis("日本測地系で処理を行います。"); }

MessageReport ReportForCode(const Context& ctx, int code, int a, int b) {
  const std::string table = kDatumTableFileName;
  const std::string& source = ctx.settings.TKY2JGD_Parameter;
  switch (code) {
    case kMsgOperationEnded:
      return Status(" ");
    case kMsgDatumTableMissing:
      return {FileReport(table),
              table + Sjis(" が不明です。") + "\n" + source + Sjis(" から ") + table + Sjis(" を作成しますか？"),
              true};
    case kMsgDatumSourceMissing:
      return StatusAndBox(FileReport(source),
                          source + Sjis(" が不明です。") + "\n" + table + Sjis(" が作成できませんでした。"));
    case kMsgDatumTableNotWritten:
      return StatusAndBox(FileReport(table), table + Sjis(" が作成できませんでした。"));
    case kMsgSettingsMissing:
      return StatusAndBox(FileReport(kSettingsFileName),
                          kSettingsFileName + Sjis(" が不明です。　Dorx を終了します。"));
    case kMsgPatternNotOpened:
      return Status(FileReport(ctx.params.Antenna_Pattern_File));
    case kMsgRunFileNotOpened:
    case kMsgResultNotReadable:
    case kMsgExportFileFailed:
      return Status(FileReport(ctx.MessageText));
    case kMsgKmlTemplateMissing:
      return StatusAndBox(FileReport(kKmlTemplateName),
                          kKmlTemplateName + Sjis(" が不明です。") + "\n" + Sjis("KMLを作成できません。"));
    case kMsgCannotCreate:
      return StatusAndBox(FileReport(Utf8ToCp932(ctx.ProjectFilePath)), Sjis("ファイルを作成できません。"));
    case kMsgShowPath:
    case kMsgCursorReadout:
      return Status(ctx.MessageText);
    case kMsgResultInvalid:
      return {std::nullopt, Sjis("データが不正です。"), false};
    case kMsgDatumTableBuilding:
    case kMsgSaving:
      return Status(Sjis("　処理中..."));
    default:
      break;
  }
  if (code >= 5001 && code <= 5031) return ProgressReport(ctx, code, a, b);
  return {};
}

}  // namespace dorx
