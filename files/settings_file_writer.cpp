#include "files/settings_file.h"
#include "files/text_lines_file.h"
#include "platform/sjis.h"

namespace dorx {

bool WriteDefaultSettingsFile(const std::string& path, MessageSink& sink) {
  sink.SetMessageText(Utf8ToCp932(path));
  const char* const hyphens = kHyphenSeparator;
  return WriteTextLines(path,
                        {hyphens,
                         "Simulation_Switch_(0,1)_______(int)      0",
                         hyphens,
                         "TKY2JGD_Parameter____________(char)      tky2jgd.par",
                         hyphens,
                         "Color_RGB_Sea________________(char)      202080",
                         "Color_RGB_Gray_______________(char)      d0d0d0",
                         "Color_RGB____________________(char)      f49800",
                         hyphens,
                         "Color_H_Max_Min____________(double)    240.00  0.00",
                         "Color_S_Max_Min____________(double)      0.90  0.00",
                         "Color_V_Max_Min____________(double)      1.00  0.24",
                         hyphens},
                        sink);
}

}  // namespace dorx
