#pragma once
// The verbs of dorx-batch; each returns the exit status.
#include <string>
#include <vector>

namespace dorx::batch {

int RunCalcVerb(const std::vector<std::string>& args);
int RunDrawVerb(const std::vector<std::string>& args);
int RunPatternVerb(const std::vector<std::string>& args);
int RunImportVerb(const std::vector<std::string>& args);
int RunExportVerb(const std::vector<std::string>& args);

}  // namespace dorx::batch
