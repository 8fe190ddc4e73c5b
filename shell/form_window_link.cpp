// The picture operations the calculation run orders from the window.
#include "platform/cut.h"
#include "render/cell_painter.h"
#include "render/compose_map.h"
#include "render/info_panel.h"
#include "render/layers.h"
#include "render/map_overlays.h"
#include "shell/simengine.h"

namespace dorx {

void TsimForm::PaintCell(int code, int a, int b) { dorx::PaintCell(ctx_, rs_, code, a, b); }

void TsimForm::ResetLayer(int code, int width, int height) { dorx::ResetLayer(rs_.pictures, code, width, height); }

void TsimForm::ShowRunImages() {
  rs_.pictures.ImageCSR.visible = true;
  rs_.pictures.ImageNOT.visible = true;
}

void TsimForm::DrawInfoPanel() { dorx::DrawInfoPanel(ctx_, rs_); }

void TsimForm::ShowProjectPath(const std::string& path) {
  controls_.SetHint("ButtonSIMOpen", path);
  desktop_.SetCaption(path);
}

void TsimForm::ShowFinishedMap() {
  // The radio buttons' handlers recompose only after a drawing run
  // (ImageReady); the map shown here is composed with the terrain where the
  // result is white, and the buttons then return to the drawing page's
  // defaults.
  controls_.SetChecked("RadioButtonDORX", true);
  controls_.SetChecked("RadioButtonMAP1", true);
  ComposeMap(ctx_, rs_);
  ResetLayer(3003, CutToInt(ctx_.geometry.ImageWidth), CutToInt(ctx_.geometry.ImageHeight));
  rs_.pictures.ImageCSR.canvas().Draw(0, 0, rs_.pictures.ComposedBitmap);
  DrawStationMarker(ctx_.geometry, rs_.pictures, 1);
  rs_.pictures.ImageCSR.visible = true;
  controls_.SetChecked("RadioButtonDORX", true);
  controls_.SetChecked("RadioButtonMAPX", true);
  desktop_.Repaint();
}

}  // namespace dorx
