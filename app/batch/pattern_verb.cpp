// dorx-batch pattern: the polar diagram of an antenna pattern file, turned by
// the azimuth, as a PNG of 480 x 504 pixels.
#include <iostream>

#include "batch_arguments.h"
#include "batch_session.h"
#include "files/antenna_pattern.h"
#include "platform/file_system.h"
#include "platform/png_writer.h"
#include "platform/sjis.h"
#include "render/antenna_diagram.h"
#include "render/layers.h"
#include "shell/field_formats.h"
#include "usage.h"
#include "verbs.h"

namespace dorx::batch {
namespace {

const VerbSyntax kPatternSyntax{{"--angle", "--out"}, {}, {}, {"--out"}, "FILE"};

// The loader's only report is code 111, a file it cannot open.
class PatternMessages : public MessageSink {
 public:
  void SetMessageText(std::string_view) override {}
  void ShowMessageCode(int code, int, int) override {
    if (code == 111) failed = true;
  }
  bool failed = false;
};

}  // namespace

int RunPatternVerb(const std::vector<std::string>& raw) {
  const ParseResult parsed = ParseArguments(raw, kPatternSyntax);
  std::string error = parsed.error;
  const Arguments& args = parsed.arguments;
  const std::string angle = args.Value("--angle").value_or("0");
  if (error.empty() && !ParseNumber(angle)) error = "--angle needs a number";
  if (!error.empty()) return ReportArgumentError("pattern", error);
  const std::string& file = args.positional[0];
  const std::string out = *args.Value("--out");

  // As the antenna check box sets them: both names and the azimuth as the
  // field reads it.
  ProjectParameters p;
  p.Antenna_Pattern_File = FieldTextCp932(FileNameOf(file));
  p.AntennaPatternPath = file;
  p.Antenna_Angle = FieldDouble(angle);
  AntennaPattern pattern;
  PatternMessages messages;
  if (FileExists(file)) LoadAntennaPattern(p, pattern, messages);
  if (!FileExists(file) || messages.failed) {
    PrintReadFailure(std::cerr, file);
    return kExitFailure;
  }
  Pictures pictures;
  ResetLayer(pictures, kLayerCSR, 480, 504);
  DrawAntennaDiagram(p, pattern, pictures);
  if (!WritePng(out, pictures.ImageCSR.picture())) {
    std::cerr << " ? File Not Open: Write: " << out << '\n';
    return kExitFailure;
  }
  std::cout << out << '\n';
  return kExitOk;
}

}  // namespace dorx::batch
