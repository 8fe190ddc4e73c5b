#pragma once
// The calculation run: output folder, project copy, and the five stages over
// the cell store, from the parameters and the terrain to one result file.
#include <string>

#include "engine/context.h"
#include "engine/window_link.h"
#include "platform/local_time.h"

namespace dorx {

// What the window's controls say when Start is pressed.
struct RunOptions {
  bool anomaly_removal = false;  // CheckBoxAnomaly
  bool overwrite = false;        // CheckBoxTxName (field strength) or CheckBoxWxName (flood)
  LocalTime start;               // local time at the start of the run
};

struct RunOutcome {
  // False when a file of a stage could not be opened and the run ended early
  // (the failure is already reported through the link).
  bool completed = false;
  std::string result_path;  // OutputFolder + Project_Name + ".dorx" / ".dorw"
};

RunOutcome RunCalculation(Context& ctx, WindowLink& link, const RunOptions& options);

// ProgramFolder + name + ".%4d%02d%02d.%02d%02d%02d/", or + "/" when the
// overwrite box is checked; the name in UTF-8.
std::string OutputFolderName(const std::string& program_folder, const std::string& name_utf8,
                             const RunOptions& options);

// A project name can name a folder inside ProgramFolder: not empty, not "."
// or "..", no '/', '\\' or zero byte.
bool IsSafeFolderName(const std::string& name_utf8);

}  // namespace dorx
