#pragma once
// Writing a whole text file of lines, as the writers of the project, settings
// and template files do: create or truncate in text mode, every line followed
// by CR LF and a flush.
#include <string>
#include <vector>

#include "files/message_sink.h"

namespace dorx {

// The separator lines of the project and settings files: an asterisk, 66
// equals signs or hyphens, an asterisk.
inline constexpr const char* kEqualsSeparator =
    "*==================================================================*";
inline constexpr const char* kHyphenSeparator =
    "*------------------------------------------------------------------*";

// Code 121 and nothing written when the file cannot be created; false also
// when a line could not be written.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines, MessageSink& sink);

}  // namespace dorx
