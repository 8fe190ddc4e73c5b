#pragma once
// Values of the settings file Dorx.ini: the mode, the datum parameter file name
// and three colours.
#include <cstdint>
#include <string>

namespace dorx {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  // The drawing surface's colour value: red + green x 256 + blue x 65,536.
  uint32_t CanvasValue() const { return r + 256u * g + 65536u * b; }
  bool operator==(const Rgb&) const = default;
};

struct Settings {
  int32_t Simulation_Switch = 0;
  std::string TKY2JGD_Parameter = "tky2jgd.par";  // CP932 file name in ProgramFolder
  Rgb Color_RGB_Sea{0x20, 0x20, 0x80};             // SeaColour
  Rgb Color_RGB_Gray{0xD0, 0xD0, 0xD0};            // grey of the terrain section view
  Rgb Color_RGB{0xF4, 0x98, 0x00};                 // MarkColour
  std::string DatumParameterPath;                  // ProgramFolder + TKY2JGD_Parameter (native)

  // 0 field-strength mode (Dorx), 1 flood mode (Dorw): any switch value but 0.
  int FloodMode() const { return Simulation_Switch != 0 ? 1 : 0; }
};

}  // namespace dorx
