// dorx-batch export: the GeoTIFF of a result file alone, as Save writes it
// beside the pictures; nothing is drawn.
#include <iostream>

#include "batch_arguments.h"
#include "batch_session.h"
#include "platform/file_system.h"
#include "platform/sjis.h"
#include "render/geotiff_writer.h"
#include "render/map_export.h"
#include "render/result_raster.h"
#include "usage.h"
#include "verbs.h"

namespace dorx::batch {
namespace {

const VerbSyntax kExportSyntax{{"--out"}, {}, {}, {}, "RESULT"};

// A flood run writes ".dorw", a field-strength run ".dorx".
int FloodModeOf(const std::string& result_path) {
  return result_path.size() >= 5 && result_path.compare(result_path.size() - 5, 5, ".dorw") == 0 ? 1 : 0;
}

}  // namespace

int RunExportVerb(const std::vector<std::string>& raw) {
  const ParseResult parsed = ParseArguments(raw, kExportSyntax);
  if (!parsed.error.empty()) return ReportArgumentError("export", parsed.error);
  const Arguments& args = parsed.arguments;
  const std::string result = FullPath(args.positional[0]);
  const RasterReading reading = ReadResultRaster(result, FloodModeOf(result));
  if (!reading.raster) {
    std::cerr << reading.error << '\n';
    return kExitFailure;
  }
  const std::string out = args.Value("--out") ? FullPath(*args.Value("--out"))
                                              : FolderOf(result) + Cp932ToUtf8(GeoTiffName(reading.raster->header.Project_Name));
  const std::string error = WriteGeoTiff(*reading.raster, out);
  if (!error.empty()) {
    std::cerr << error << '\n';
    return kExitFailure;
  }
  std::cout << out << '\n';
  return kExitOk;
}

}  // namespace dorx::batch
