#include "usage.h"

#include <iostream>

#include "batch_session.h"
#include "verb_help.h"

namespace dorx::batch {
namespace {

struct VerbUsage {
  const char* verb;
  const char* text;
};

const VerbUsage kUsages[] = {
    {"calc",
     "dorx-batch calc PROJECT.xix --mesh DIR [--program-folder DIR] [--anomaly] [--overwrite]\n"
     "                [--pattern FILE] [--water-level M]\n"},
    {"draw",
     "dorx-batch draw RESULT [--program-folder DIR] [--lower X] [--step S] [--magnification P] [--grid N]\n"
     "                [--view 1|2|3|los] [--terrain none|1|2] [--no-sea] [--fine none|line|color]\n"
     "                [--no-fine-big] [--section none|line|color] [--click X,Y]...\n"},
    {"pattern", "dorx-batch pattern FILE [--angle DEG] --out PNG\n"},
    {"import-dem", "dorx-batch import-dem SOURCE... --mesh DIR [--program-folder DIR] [--replace] [--no-datum-shift]\n"},
    {"export", "dorx-batch export RESULT [--out FILE.tif]\n"},
};

}  // namespace

void PrintUsage(std::ostream& out) {
  out << "usage:\n";
  for (const VerbUsage& usage : kUsages) out << "  " << usage.text;
}

void PrintFullHelp(std::ostream& out) {
  for (const VerbUsage& usage : kUsages) {
    out << "usage: " << usage.text;
    PrintVerbHelp(out, usage.verb);
    out << '\n';
  }
  PrintCommonHelp(out);
}

bool PrintVerbUsageAndHelp(std::ostream& out, const std::string& verb) {
  for (const VerbUsage& usage : kUsages) {
    if (verb != usage.verb) continue;
    out << "usage: " << usage.text;
    PrintVerbHelp(out, verb);
    PrintCommonHelp(out);
    return true;
  }
  return false;
}

int ReportArgumentError(const std::string& verb, const std::string& error) {
  std::cerr << "dorx-batch " << verb << ": " << error << '\n';
  for (const VerbUsage& usage : kUsages)
    if (verb == usage.verb) std::cerr << "usage: " << usage.text;
  return kExitFailure;
}

}  // namespace dorx::batch
