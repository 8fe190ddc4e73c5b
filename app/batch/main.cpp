// dorx-batch: the window's calculation, drawing and pattern diagram from the
// command line, on the same window model without a screen.
#include <iostream>
#include <string>
#include <vector>

#include "batch_session.h"
#include "usage.h"
#include "verbs.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 1 ? 2 : argc), argv + argc);
  const std::string verb = argc > 1 ? argv[1] : "";
  for (const std::string& arg : args)
    if ((arg == "--help" || arg == "-h") && dorx::batch::PrintVerbUsageAndHelp(std::cout, verb))
      return dorx::batch::kExitOk;
  if (verb == "calc") return dorx::batch::RunCalcVerb(args);
  if (verb == "draw") return dorx::batch::RunDrawVerb(args);
  if (verb == "pattern") return dorx::batch::RunPatternVerb(args);
  if (verb == "import-dem") return dorx::batch::RunImportVerb(args);
  if (verb == "export") return dorx::batch::RunExportVerb(args);
  if (verb == "--help" || verb == "-h" || verb == "help") {
    dorx::batch::PrintFullHelp(std::cout);
    return dorx::batch::kExitOk;
  }
  if (!verb.empty()) std::cerr << "dorx-batch: unknown command " << verb << '\n';
  dorx::batch::PrintUsage(std::cerr);
  return dorx::batch::kExitFailure;
}
