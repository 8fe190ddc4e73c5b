#pragma once
// The project file (.xix): 30 positional lines in CP932 with CR LF line ends.
#include <string>

#include "files/message_sink.h"
#include "files/project_parameters.h"

namespace dorx {

// Code 109 (nothing shown) when the file cannot be opened; the parameters stay.
void ReadProjectFile(const std::string& path, ProjectParameters& params, MessageSink& sink);
// Code 121 when the file cannot be created; returns whether it was written.
bool WriteProjectFile(const std::string& path, const ProjectParameters& params, MessageSink& sink);
// The 30 lines of the default project Dorx.xix.
bool WriteDefaultProjectFile(const std::string& path, MessageSink& sink);

}  // namespace dorx
