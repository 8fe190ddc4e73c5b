#include "default_project_setup.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "files/project_file.h"
#include "tools/demo_terrain/demo_tiles.h"

namespace dorx::bench {
namespace {

class IgnoringSink : public MessageSink {
 public:
  void SetMessageText(std::string_view) override {}
  void ShowMessageCode(int, int, int) override {}
};

// A table of the size of the published grid (about 400,000 third-mesh
// cells), with smooth shifts near those of the Tokyo datum around the
// default station (about +11.6" of latitude, -11.6" of longitude): 64 primary
// meshes around the demo area, 6,400 third meshes each, ascending.
std::vector<DatumShiftTable::Entry> DatumTableLikeTheRealOne() {
  std::vector<DatumShiftTable::Entry> entries;
  entries.reserve(64 * 6400);
  for (int lat = 50; lat < 58; ++lat)
    for (int lon = 35; lon < 43; ++lon)
      for (int row2 = 0; row2 < 8; ++row2)
        for (int col2 = 0; col2 < 8; ++col2)
          for (int row3 = 0; row3 < 10; ++row3)
            for (int col3 = 0; col3 < 10; ++col3) {
              const double north = (lat * 8 + row2) * 10 + row3 - 4240;  // third meshes from 35.33 N
              const double east = (lon * 8 + col2) * 10 + col3 - 3098;  // from 138.73 E
              entries.push_back({lat * 1000000 + lon * 10000 + row2 * 1000 + col2 * 100 + row3 * 10 + col3,
                                 {11.6 - 0.0004 * north + 0.0001 * east, -11.6 + 0.0003 * north - 0.0002 * east}});
            }
  return entries;
}

}  // namespace

DefaultProject::DefaultProject() {
  std::string pattern = (std::filesystem::temp_directory_path() / "dorx-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
  folder_ = pattern + "/";
  const std::string program = folder_ + "program/";
  std::filesystem::create_directories(program);
  IgnoringSink sink;
  if (!WriteDefaultProjectFile(program + "Dorx.xix", sink)) throw std::runtime_error("cannot write Dorx.xix");
  ReadProjectFile(program + "Dorx.xix", params_, sink);

  std::string error;
  if (demo::WriteDemoTiles(folder_ + "mesh/", {35.2, 35.52, 138.5, 138.95}, error).empty())
    throw std::runtime_error(error);

  ctx_.ProgramFolder = program;
  ctx_.MeshFolder = folder_ + "mesh/";
  ctx_.datum.Assign(DatumTableLikeTheRealOne());
}

DefaultProject::~DefaultProject() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

Context& DefaultProject::Fresh() {
  ctx_.params = params_;
  ctx_.StopRequested = false;
  return ctx_;
}

}  // namespace dorx::bench
