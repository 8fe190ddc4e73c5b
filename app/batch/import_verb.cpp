// dorx-batch import-dem: elevation data (rasters GDAL reads, the survey's DEM
// XML) turned into terrain tiles below a mesh folder.
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "batch_arguments.h"
#include "batch_session.h"
#include "files/datum_table_file.h"
#include "platform/file_system.h"
#include "terrain_import/dem_import.h"
#include "usage.h"
#include "verbs.h"

namespace dorx::batch {
namespace {

const VerbSyntax kImportSyntax{{"--mesh", "--program-folder"},
                               {"--replace", "--no-datum-shift"},
                               {},
                               {"--mesh"},
                               "SOURCE",
                               true};

class SilentSink : public MessageSink {
 public:
  void SetMessageText(std::string_view) override {}
  void ShowMessageCode(int, int, int) override {}
};

// The table of the program folder; false (after saying why) when it is missing.
bool LoadProgramDatumTable(const std::string& program_folder, DatumShiftTable& table) {
  const std::string path = program_folder + kDatumTableFileName;
  SilentSink sink;
  if (FileExists(path) && LoadDatumTable(path, table, DatumStartupLink{sink, nullptr, nullptr})) return true;
  std::cerr << "dorx-batch import-dem: the datum table " << path
            << " is missing: it moves the tiles' Tokyo-datum cells onto the sources' JGD2000 positions.\n"
               "  Put the published tky2jgd.par into the program folder and run dorx-batch calc once (it\n"
               "  converts it into Dorx.par), or give --no-datum-shift to use the positions as they are.\n";
  return false;
}

// "tile 3 of 20 (533805)" on one line of standard error, only on a terminal.
void ShowTileProgress(size_t number, size_t count, const std::string& code) {
  std::fprintf(stderr, "\rimport-dem: tile %zu of %zu (%s)\x1b[K", number, count, code.c_str());
  std::fflush(stderr);
}

}  // namespace

int RunImportVerb(const std::vector<std::string>& raw) {
  const ParseResult parsed = ParseArguments(raw, kImportSyntax);
  if (!parsed.error.empty()) return ReportArgumentError("import-dem", parsed.error);
  const Arguments& args = parsed.arguments;

  std::vector<std::unique_ptr<ElevationSource>> sources;
  bool shift_needed = false;
  for (const std::string& given : args.positional) {
    const std::string path = FullPath(given);
    std::string error;
    auto source = ElevationSource::Open(path, error);
    if (!source) {
      std::cerr << "dorx-batch import-dem: " << path << ": " << error << "; nothing written\n";
      return kExitFailure;
    }
    std::cout << "source: " << path << " (" << source->datum_text() << ")\n";
    shift_needed = shift_needed || source->datum() == SourceDatum::kJgd2000;
    sources.push_back(std::move(source));
  }

  DatumShiftTable table;
  ImportOptions options;
  options.mesh_folder = WithTrailingSeparator(FullPath(*args.Value("--mesh")));
  options.replace = args.Has("--replace");
  if (shift_needed && !args.Has("--no-datum-shift")) {
    const auto folder = args.Value("--program-folder");
    if (!LoadProgramDatumTable(folder ? WithTrailingSeparator(FullPath(*folder)) : ExecutableFolder(), table))
      return kExitFailure;
    options.datum = &table;
  }
  const bool terminal = isatty(STDERR_FILENO) != 0;
  if (terminal) options.progress = ShowTileProgress;
  const ImportResult result = ImportDem(sources, options);
  if (terminal) std::fprintf(stderr, "\r\x1b[K");
  if (!result.error.empty()) {
    std::cerr << "dorx-batch import-dem: " << result.error << "; nothing written\n";
    return kExitFailure;
  }
  const ImportSummary& s = result.summary;
  for (const std::string& path : s.tiles_written) std::cout << path << '\n';
  std::cout << s.tiles_written.size() << " tiles written below " << options.mesh_folder << " (" << s.tiles_merged
            << " merged with the tiles there): " << s.cells_with_data << " cells with data, "
            << s.cells_without_data << " without\n";
  return kExitOk;
}

}  // namespace dorx::batch
