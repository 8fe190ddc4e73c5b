#pragma once
// The option descriptions of dorx-batch --help and dorx-batch VERB --help:
// every option with its unit, range and default.
#include <iosfwd>
#include <string>

namespace dorx::batch {

// The description of the verb's arguments and options; false for a verb
// that has none here.
bool PrintVerbHelp(std::ostream& out, const std::string& verb);
// What every verb shares: the program folder, exit statuses, paths.
void PrintCommonHelp(std::ostream& out);

}  // namespace dorx::batch
