// dorx-batch: the window's calculation, drawing and pattern diagram from the
// command line, on the same window model without a screen.
#include <iostream>
#include <string>
#include <vector>

#include "batch_session.h"
#include "verbs.h"

namespace {

const char* const kUsage =
    "usage:\n"
    "  dorx-batch calc PROJECT.xix --mesh DIR [--program-folder DIR] [--anomaly] [--overwrite]\n"
    "                  [--pattern FILE] [--water-level M]\n"
    "  dorx-batch draw RESULT [--program-folder DIR] [--lower X] [--step S] [--magnification P] [--grid N]\n"
    "                  [--view 1|2|3|los] [--terrain none|1|2] [--no-sea] [--fine none|line|color]\n"
    "                  [--no-fine-big] [--section none|line|color] [--click X,Y]...\n"
    "  dorx-batch pattern FILE [--angle DEG] --out PNG\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 1 ? 2 : argc), argv + argc);
  const std::string verb = argc > 1 ? argv[1] : "";
  int status = dorx::batch::kExitFailure;
  if (verb == "calc") status = dorx::batch::RunCalcVerb(args);
  else if (verb == "draw") status = dorx::batch::RunDrawVerb(args);
  else if (verb == "pattern") status = dorx::batch::RunPatternVerb(args);
  else std::cerr << kUsage;
  return status;
}
