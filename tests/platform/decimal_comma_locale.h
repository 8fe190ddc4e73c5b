#pragma once
// Switches LC_NUMERIC to a locale with a decimal comma, as a window toolkit
// may do, and back when the object goes.
#include <clocale>
#include <string>

namespace dorx::test {

class DecimalCommaLocale {
 public:
  DecimalCommaLocale() : before_(std::setlocale(LC_NUMERIC, nullptr)) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
      if (std::setlocale(LC_NUMERIC, name)) {
        switched_ = true;
        return;
      }
  }
  ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, before_.c_str()); }
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
  // False when no such locale is installed.
  bool switched() const { return switched_; }

 private:
  std::string before_;
  bool switched_ = false;
};

}  // namespace dorx::test
