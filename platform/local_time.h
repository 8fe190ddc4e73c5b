#pragma once
// Local time of day, as the output folder names use it.

namespace dorx {

struct LocalTime {
  int year = 0;    // full year
  int month = 0;   // 1 to 12
  int day = 0;     // 1 to 31
  int hour = 0;    // 0 to 23
  int minute = 0;
  int second = 0;
};

LocalTime CurrentLocalTime();

}  // namespace dorx
