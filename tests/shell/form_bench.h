#pragma once
// A window model on a headless desktop, started in a scratch program folder.
#include <string>

#include "platform/headless_desktop.h"
#include "shell/simengine.h"
#include "support/test_support.h"
#include "tiny_area.h"

namespace dorx::test {

struct FormBench {
  // Starts in the program folder as it is, after `prepare` has put files into it.
  void Start() { form.StartUp(program.path()); }

  ScratchFolder program;
  HeadlessDesktop desktop;
  TsimForm form{desktop};
  Controls& controls() { return form.controls(); }
  Context& ctx() { return form.context(); }
};

}  // namespace dorx::test
