#include "engine/calculation_run.h"

#include "engine/field_strength_pass.h"
#include "engine/passes.h"
#include "engine/result_header_writer.h"
#include "engine/terrain_pass.h"
#include "files/antenna_pattern.h"
#include "files/project_file.h"
#include "platform/c_format.h"
#include "platform/cut.h"
#include "platform/file_system.h"
#include "platform/sjis.h"

namespace dorx {
namespace {

constexpr int kFileNotOpen = 113;
constexpr int kCannotCreate = 121;
constexpr int kShowPath = 1001;
constexpr int kOperationEnded = 0;

// The two temporary record files and the result file of a run.
struct RunFiles {
  std::string first_temp;   // "Dorx.$=$"
  std::string second_temp;  // "Dorx.$$$"
  std::string result;
};

void ReportNotOpen(Context& ctx, WindowLink& link, const char* format, const std::string& path) {
  ctx.SetMessageText(Format(format, Utf8ToCp932(path).c_str()));
  link.ShowMessageCode(kFileNotOpen);
}

bool OpenForRun(Context& ctx, WindowLink& link, StoreFile& slot, const std::string& path, const char* mode) {
  if (slot.Open(path, mode)) return true;
  ReportNotOpen(ctx, link, std::string(mode) == "rb" ? "Read: %s" : "Write: %s", path);
  return false;
}

// Opens the file a stage reads, then the one it writes; on a failure closes
// what it opened.
bool OpenStagePair(Context& ctx, WindowLink& link, StoreFile& read_slot, const std::string& read_path,
                   StoreFile& write_slot, const std::string& write_path) {
  if (!OpenForRun(ctx, link, read_slot, read_path, "rb")) return false;
  if (write_slot.Open(write_path, "wb")) return true;
  read_slot.Close();
  ReportNotOpen(ctx, link, "Write: %s", write_path);
  return false;
}

void CloseStagePair(StoreFile& write_slot, StoreFile& read_slot) {
  write_slot.Close();
  read_slot.Close();
}

// The layers a stage paints, sized to the map, the pattern picture, the
// information panel.
void PrepareStageLayers(Context& ctx, WindowLink& link, std::initializer_list<int> layers) {
  const int width = CutToInt(ctx.geometry.ImageWidth);
  const int height = CutToInt(ctx.geometry.ImageHeight);
  for (int code : layers) link.ResetLayer(code, width, height);
  link.ResetLayer(3033, 192, 570);
  link.ShowRunImages();
  link.DrawInfoPanel();
}

// The project copy in the output folder. A folder that cannot be used is
// reported as the writer reports a file it cannot create.
void WriteProjectCopy(Context& ctx, WindowLink& link, const std::string& name_utf8, bool folder_usable) {
  ctx.ProjectFilePath = ctx.OutputFolder + name_utf8 + ".xix";
  if (folder_usable) {
    WriteProjectFile(ctx.ProjectFilePath, ctx.params, link);
    return;
  }
  ctx.SetMessageText(Utf8ToCp932(ctx.ProjectFilePath));
  link.ShowMessageCode(kCannotCreate);
}

bool TerrainStage(Context& ctx, WindowLink& link, const RunFiles& files, bool folder_usable) {
  StoreFile& a = ctx.store.StoreFileA;
  if (!folder_usable || !a.Open(files.first_temp, "wb")) {
    ReportNotOpen(ctx, link, "Write: %s", files.first_temp);
    return false;
  }
  PrepareStageLayers(ctx, link, {3003, 3005, 3011});
  LoadTerrainPass(ctx, link);
  a.Close();
  link.PaintCell(5001, 0, 0);
  return true;
}

bool AnomalyStage(Context& ctx, WindowLink& link, int type, const std::string& from, const std::string& to) {
  CellStore& s = ctx.store;
  if (!OpenStagePair(ctx, link, s.StoreFileB, from, s.StoreFileA, to)) return false;
  RemoveAnomalies(ctx, link, type);
  CloseStagePair(s.StoreFileA, s.StoreFileB);
  return true;
}

bool GeometryStage(Context& ctx, WindowLink& link, const RunFiles& files) {
  CellStore& s = ctx.store;
  if (!OpenStagePair(ctx, link, s.StoreFileA, files.first_temp, s.StoreFileB, files.second_temp)) return false;
  PrepareStageLayers(ctx, link, {3003, 3005});
  GeometryPass(ctx, link);
  CloseStagePair(s.StoreFileB, s.StoreFileA);
  return true;
}

bool ResultStage(Context& ctx, WindowLink& link, const RunFiles& files) {
  CellStore& s = ctx.store;
  if (!OpenStagePair(ctx, link, s.StoreFileB, files.second_temp, s.StoreFileA, files.result)) return false;
  PrepareStageLayers(ctx, link, {3003, 3011});
  WriteResultHeader(ctx);
  if (ctx.FloodMode == 0) FieldStrengthPass(ctx, link);
  else FloodPass(ctx, link);
  CloseStagePair(s.StoreFileA, s.StoreFileB);
  return true;
}

bool RunStages(Context& ctx, WindowLink& link, const RunOptions& options, const RunFiles& files,
               bool folder_usable) {
  if (!TerrainStage(ctx, link, files, folder_usable)) return false;
  if (options.anomaly_removal) {
    if (!AnomalyStage(ctx, link, 1, files.first_temp, files.second_temp)) return false;
    if (!AnomalyStage(ctx, link, 3, files.second_temp, files.first_temp)) return false;
  }
  link.PaintCell(-5003, 0, 0);
  return GeometryStage(ctx, link, files) && ResultStage(ctx, link, files);
}

}  // namespace

bool IsSafeFolderName(const std::string& name_utf8) {
  return !name_utf8.empty() && name_utf8 != "." && name_utf8 != ".." &&
         name_utf8.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

std::string OutputFolderName(const std::string& program_folder, const std::string& name_utf8,
                             const RunOptions& options) {
  if (options.overwrite) return Format("%s%s/", program_folder.c_str(), name_utf8.c_str());
  const LocalTime& t = options.start;
  return Format("%s%s.%4d%02d%02d.%02d%02d%02d/", program_folder.c_str(), name_utf8.c_str(), t.year,
                t.month, t.day, t.hour, t.minute, t.second);
}

RunOutcome RunCalculation(Context& ctx, WindowLink& link, const RunOptions& options) {
  link.FieldsToParameters();
  LoadAntennaPattern(ctx.params, ctx.pattern, link);

  const std::string name = Cp932ToUtf8(ctx.params.Project_Name);
  const bool folder_usable = IsSafeFolderName(name);
  ctx.OutputFolder = OutputFolderName(ctx.ProgramFolder, name, options);
  if (folder_usable) CreateFolder(ctx.OutputFolder);
  WriteProjectCopy(ctx, link, name, folder_usable);

  link.ParametersToFields();
  ctx.SetMessageText(Utf8ToCp932(ctx.ProjectFilePath));
  link.ShowProjectPath(ctx.ProjectFilePath);
  link.ShowMessageCode(kShowPath);
  link.PaintCell(-5001, 0, 0);

  const RunFiles files{ctx.OutputFolder + "Dorx.$=$", ctx.OutputFolder + "Dorx.$$$",
                       ctx.OutputFolder + name + (ctx.FloodMode == 0 ? ".dorx" : ".dorw")};
  RunOutcome outcome;
  outcome.result_path = files.result;
  if (!RunStages(ctx, link, options, files, folder_usable)) return outcome;

  RemoveFile(files.first_temp);
  RemoveFile(files.second_temp);
  link.ShowFinishedMap();
  link.ShowMessageCode(kOperationEnded);
  outcome.completed = true;
  return outcome;
}

}  // namespace dorx
