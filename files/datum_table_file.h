#pragma once
// Building the datum-shift table at start-up: loading Dorx.par, converting the
// published Tokyo-to-JGD2000 parameter file into it, and the check that ties
// both to the user's answer.
#include <cstdint>
#include <functional>
#include <string>

#include "files/datum_table.h"
#include "files/message_sink.h"
#include "files/settings.h"

namespace dorx {

// What the start-up check needs from the window.
struct DatumStartupLink {
  MessageSink& messages;                       // ShowMessageCode and MessageText
  std::function<int32_t()> datum_table_answer;  // DatumTableAnswer, as code 101 left it
  std::function<void(int32_t)> show_progress;   // ShowSplash(3, n) of the title screen
};

inline constexpr const char* kDatumTableFileName = "Dorx.par";

// Reads Dorx.par ("%08d %2.6f %2.6f" lines, no header) into the table. When
// the file cannot be opened: code 101, the table stays empty, false.
bool LoadDatumTable(const std::string& path, DatumShiftTable& table, const DatumStartupLink& link);

// Reads the published file (one header line, then code, latitude shift and
// longitude shift per line), sorts it by code (file order among equal codes)
// and writes the target with the end marker as its last line. Code 103 when
// the source cannot be opened (table empty); code 105 when the target cannot
// be created (the converted table stays in use).
void ConvertDatumTable(const std::string& source, const std::string& target, DatumShiftTable& table,
                       const DatumStartupLink& link);

// The last step of ResetParameters: code 1005 with the path of Dorx.par, load
// it, and when it is missing and the user agreed (DatumTableAnswer 1) convert
// the published file named in the settings; code 0 at the end.
void CheckDatumTableAtStartUp(const std::string& program_folder, const Settings& settings,
                              DatumShiftTable& table, const DatumStartupLink& link);

}  // namespace dorx
