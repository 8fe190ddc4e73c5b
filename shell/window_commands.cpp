// The commands of the window frame and of the map.
#include <algorithm>
#include <cstdint>

#include "render/cursor_mouse.h"
#include "shell/simengine.h"

namespace dorx {
namespace {
constexpr int32_t kWheelStep_px = 16;
}  // namespace

void TsimForm::simButtonPageControlClick() {
  const bool shown = controls_.Visible("simPageControl");
  controls_.SetVisible("simPageControl", !shown);
  controls_.SetCaption("simButtonPageControl", shown ? ">" : "<");
}

void TsimForm::simButtonSectionClick() {
  if (!ctx_.ImageReady) return;
  if (controls_.Visible("simScrollBoxSEC")) {
    controls_.SetVisible("simScrollBoxSEC", false);
    controls_.SetCaption("simButtonSection", "^");
    return;
  }
  controls_.SetVisible("simScrollBoxSEC", true);
  controls_.SetCaption("simButtonSection", "v");
  controls_.SetChecked("RadioButtonSecColor", true);
}

void TsimForm::FormMouseWheel(int wheel_delta) {
  // One step per event whatever the delta; the position stays within 0 and
  // the 32-bit range (the toolkit limits it further to the content).
  const ControlState& box = controls_.State("simScrollBox");
  const int64_t moved = static_cast<int64_t>(box.scroll_vertical) + (wheel_delta > 0 ? -kWheelStep_px : kWheelStep_px);
  const int32_t vertical = static_cast<int32_t>(std::clamp<int64_t>(moved, 0, INT32_MAX));
  controls_.SetScroll("simScrollBox", vertical, box.scroll_horizontal);
}

void TsimForm::ImageCSRMouseMove(int X, int Y) {
  MouseMoveOverMap(ctx_, rs_, *this, run_active_, X, Y);
  desktop_.Repaint();
}

void TsimForm::ImageCSRClick() {
  const ControlState& box = controls_.State("simScrollBox");
  ClickOnMap(ctx_, rs_, *this, run_active_, MapScroll{box.scroll_vertical, box.scroll_horizontal});
  desktop_.Repaint();
}

void TsimForm::ImageFINClick() {
  const std::optional<MapScroll> scroll = ClickOnChart(ctx_, rs_);
  if (scroll) controls_.SetScroll("simScrollBox", scroll->vertical, scroll->horizontal);
  desktop_.Repaint();
}

}  // namespace dorx
