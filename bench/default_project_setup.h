#pragma once
// What the calculation benchmarks share: the default project (Dorx.xix as
// start-up writes it) over the demo terrain, in a scratch folder, with a
// window link that does nothing.
#include <string>

#include "engine/context.h"
#include "engine/window_link.h"
#include "files/project_parameters.h"

namespace dorx::bench {

class NullWindowLink : public WindowLink {
 public:
  void SetMessageText(std::string_view) override {}
  void ShowMessageCode(int, int, int) override {}
  void PaintCell(int, int, int) override {}
  void ResetLayer(int, int, int) override {}
  void ShowRunImages() override {}
  void DrawInfoPanel() override {}
  void FieldsToParameters() override {}
  void ParametersToFields() override {}
  void ShowProjectPath(const std::string&) override {}
  void ShowFinishedMap() override {}
};

// A scratch folder below /tmp holding program/ (with the default Dorx.xix)
// and mesh/ (the demo tiles of 35.2..35.52 N, 138.5..138.95 E), removed at
// the end. The context has the default project's parameters, the demo mesh
// folder and a datum table shaped like the real one.
class DefaultProject {
 public:
  DefaultProject();
  ~DefaultProject();
  DefaultProject(const DefaultProject&) = delete;
  DefaultProject& operator=(const DefaultProject&) = delete;

  // The parameters as read from Dorx.xix (a run re-centres the ranges, so
  // each run starts again from these).
  const ProjectParameters& Parameters() const { return params_; }
  // A context ready for RunCalculation: parameters, folders, datum table.
  Context& Fresh();
  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
  ProjectParameters params_;
  Context ctx_;
};

}  // namespace dorx::bench
