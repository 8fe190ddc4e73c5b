#include "files/key_value_line.h"
#include "files/project_file.h"
#include "platform/c_number.h"
#include "platform/sjis.h"
#include "platform/text_stream.h"

namespace dorx {
namespace {

int32_t ReadInteger(TextReader& reader) { return AtolC(ReadKeyValueLine(reader).value); }
int8_t ReadByteValue(TextReader& reader) { return LowByte(ReadInteger(reader)); }
double ReadDouble(TextReader& reader) { return StrtodC(ReadKeyValueLine(reader).value); }

// Names keep only their first word.
std::string ReadName(TextReader& reader) {
  return std::string(WordAt(SplitValueWords(ReadKeyValueLine(reader).value), 0));
}

Dms ReadDms(TextReader& reader) {
  const std::vector<std::string> words = SplitValueWords(ReadKeyValueLine(reader).value);
  return Dms{StrtodC(WordAt(words, 0)), StrtodC(WordAt(words, 1)), StrtodC(WordAt(words, 2))};
}

}  // namespace

// Positional: every value comes from its line number; a missing line reads
// as empty (numbers 0, names empty).
void ReadProjectFile(const std::string& path, ProjectParameters& params, MessageSink& sink) {
  sink.SetMessageText(Utf8ToCp932(path));
  std::optional<TextReader> opened = TextReader::Open(path);
  if (!opened) {
    sink.ShowMessageCode(109);
    return;
  }
  TextReader& in = *opened;
  ProjectParameters& p = params;
  SkipLine(in);                                   // 1
  p.Project_Name = ReadName(in);                  // 2
  SkipLine(in);                                   // 3
  p.Coarse = ReadByteValue(in);                   // 4
  p.Compensation = ReadByteValue(in);             // 5
  SkipLine(in);                                   // 6
  p.Source_North_latitude = ReadDms(in);          // 7
  p.Source_East_longitude = ReadDms(in);          // 8
  SkipLine(in);                                   // 9
  p.Range_North = ReadInteger(in);                // 10
  p.Range_South = ReadInteger(in);                // 11
  p.Range_East = ReadInteger(in);                 // 12
  p.Range_West = ReadInteger(in);                 // 13
  SkipLine(in);                                   // 14
  p.Rx_Altitude = ReadDouble(in);                 // 15
  p.Rx_Loss = ReadDouble(in);                     // 16
  p.Rx_Impedance = ReadDouble(in);                // 17
  SkipLine(in);                                   // 18
  p.Tx_Altitude = ReadDouble(in);                 // 19
  p.Tx_Loss = ReadDouble(in);                     // 20
  p.Tx_Power = ReadDouble(in);                    // 21
  p.Tx_Frequency = ReadDouble(in);                // 22
  SkipLine(in);                                   // 23
  p.Antenna_Gain = ReadDouble(in);                // 24
  p.Antenna_Angle = ReadDouble(in);               // 25
  p.Antenna_Pattern_File = ReadName(in);          // 26
  p.AntennaPatternPath = std::string(kNoPattern);
  SkipLine(in);                                   // 27
  p.Flag_Reduction = ReadByteValue(in);           // 28
  p.Removal_of_Abnormal_Data = ReadDouble(in);    // 29
  SkipLine(in);                                   // 30
}

}  // namespace dorx
