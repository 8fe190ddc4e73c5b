#include "files/key_value_line.h"
#include "files/settings_file.h"
#include "platform/c_number.h"
#include "platform/sjis.h"
#include "platform/text_stream.h"

namespace dorx {
namespace {

// 0 to 9 for "0" to "9", 10 to 15 for "A" to "F" and "a" to "f", 0 otherwise.
int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

uint8_t ColourComponent(std::string_view word, size_t first) {
  auto digit = [&](size_t i) { return i < word.size() ? HexDigitValue(word[i]) : 0; };
  return static_cast<uint8_t>((16 * digit(first) + digit(first + 1)) & 0xFF);
}

Rgb ReadColour(TextReader& reader) {
  return ColourFromWord(WordAt(SplitValueWords(ReadKeyValueLine(reader).value), 0));
}

}  // namespace

Rgb ColourFromWord(std::string_view word) {
  return Rgb{ColourComponent(word, 0), ColourComponent(word, 2), ColourComponent(word, 4)};
}

bool ReadSettingsFile(const std::string& path, const std::string& program_folder, Settings& settings,
                      MessageSink& sink) {
  sink.SetMessageText(Utf8ToCp932(path));
  std::optional<TextReader> opened = TextReader::Open(path);
  if (!opened) {
    sink.ShowMessageCode(107);
    return false;
  }
  TextReader& in = *opened;
  SkipLine(in);                                                              // 1
  settings.Simulation_Switch = AtolC(ReadKeyValueLine(in).value);            // 2
  SkipLine(in);                                                              // 3
  settings.TKY2JGD_Parameter = std::string(WordAt(SplitValueWords(ReadKeyValueLine(in).value), 0));  // 4
  settings.DatumParameterPath = program_folder + Cp932ToUtf8(settings.TKY2JGD_Parameter);
  SkipLine(in);                                                              // 5
  settings.Color_RGB_Sea = ReadColour(in);                                   // 6
  settings.Color_RGB_Gray = ReadColour(in);                                  // 7
  settings.Color_RGB = ReadColour(in);                                       // 8
  SkipLine(in);                                                              // 9
  for (int line = 10; line <= 12; ++line) {  // read past in three pieces, nothing kept
    ReadLinePiece(in, ' ');
    ReadLinePiece(in, ' ');
    ReadLinePiece(in, '\n');
  }
  SkipLine(in);                                                              // 13
  return true;
}

}  // namespace dorx
