#pragma once
// The settings file Dorx.ini: 13 positional lines in CP932.
#include <string>
#include <string_view>

#include "files/message_sink.h"
#include "files/settings.h"

namespace dorx {

// Returns false after sending code 107 when the file cannot be opened.
// program_folder (with its separator) gives the datum parameter file's path.
bool ReadSettingsFile(const std::string& path, const std::string& program_folder, Settings& settings,
                      MessageSink& sink);
// The colour rule: the first six bytes of the word in pairs, red first, each
// pair 16 x (first digit) + (second digit); a byte that is not a hexadecimal
// digit, and a byte the word lacks, count as 0 ("2020" gives 20 20 00).
Rgb ColourFromWord(std::string_view word);

// Code 121 when the file cannot be created.
bool WriteDefaultSettingsFile(const std::string& path, MessageSink& sink);

}  // namespace dorx
