#pragma once
// The usage texts of dorx-batch and the report of a command line that does
// not fit them.
#include <iosfwd>
#include <string>

namespace dorx::batch {

// The usage of every verb.
void PrintUsage(std::ostream& out);
// The usage and the options of every verb (dorx-batch --help).
void PrintFullHelp(std::ostream& out);
// The usage and the options of one verb (dorx-batch VERB --help); false for
// an unknown verb.
bool PrintVerbUsageAndHelp(std::ostream& out, const std::string& verb);
// "dorx-batch VERB: ERROR" and the verb's usage on standard error; returns
// the exit status of a failure.
int ReportArgumentError(const std::string& verb, const std::string& error);

}  // namespace dorx::batch
