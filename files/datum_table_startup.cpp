#include "files/datum_table_file.h"
#include "platform/sjis.h"

namespace dorx {

void CheckDatumTableAtStartUp(const std::string& program_folder, const Settings& settings,
                              DatumShiftTable& table, const DatumStartupLink& link) {
  const std::string table_path = program_folder + kDatumTableFileName;
  link.messages.SetMessageText(Utf8ToCp932(table_path));
  link.messages.ShowMessageCode(1005);
  const bool loaded = LoadDatumTable(table_path, table, link);
  // Code 101 asked the user; 1 is the answer Yes.
  if (!loaded && link.datum_table_answer && link.datum_table_answer() == 1) {
    link.messages.ShowMessageCode(0);
    ConvertDatumTable(program_folder + Cp932ToUtf8(settings.TKY2JGD_Parameter), table_path, table, link);
  }
  link.messages.ShowMessageCode(0);
}

}  // namespace dorx
