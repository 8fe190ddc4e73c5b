#pragma once
// Text drawing with FreeType: one face for the whole process, glyphs rendered
// as crisp 1-bit masks (no grey edges on the maps) and cached.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/bitmap.h"
#include "platform/font_lookup.h"
#include "platform/point.h"

namespace dorx {

// The text cell of a string: advance sum wide, ascent + descent high.
struct TextCell {
  int width = 0;
  int ascent = 0;
  int descent = 0;
  int height() const { return ascent + descent; }
};

// Points at 96 dots per inch to pixels per em, rounded (9 pt -> 12 px).
// Sizes below 1 pt give 0 (nothing is drawn); sizes are capped at 1,000 px.
int FontPixelsForPoints(int size_pt);

class TextRenderer {
 public:
  // The process-wide renderer; the first call finds and loads the face
  // (FontFilesForJapanese). Safe to call from any thread.
  static TextRenderer& Shared();

  // Loads the first of the files that FreeType can open as a scalable face;
  // with none the renderer draws nothing and measures every text as empty.
  explicit TextRenderer(const std::vector<FontFile>& candidates);
  ~TextRenderer();
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  bool has_face() const { return face_ != nullptr; }

  TextCell Measure(std::string_view utf8, int size_pt);
  // Draws the text with its cell's top-left corner at (x, y) and its baseline
  // at y + ascent; with a background the cell is filled with it first.
  void Draw(Bitmap& bitmap, int x, int y, std::string_view utf8, int size_pt,
            CanvasColour colour, std::optional<CanvasColour> background);

 private:
  struct Glyph {
    int left = 0;     // from the pen position to the mask's first column
    int top = 0;      // from the baseline up to the mask's first row
    int width = 0;
    int height = 0;
    int advance = 0;  // whole pixels
    std::vector<uint8_t> mask;  // width x height, 1 where the glyph is inked
  };
  struct SizeMetrics {
    int ascent = 0;
    int descent = 0;
  };
  struct FreeTypeFace;  // the FreeType library and face, kept out of this header

  // Callers hold mutex_.
  bool SelectSize(int pixels);
  const SizeMetrics& MetricsFor(int pixels);
  const Glyph& GlyphFor(int pixels, char32_t code_point);
  TextCell MeasureLocked(const std::u32string& text, int pixels);

  std::mutex mutex_;
  std::unique_ptr<FreeTypeFace> face_;
  int selected_pixels_ = 0;
  std::map<int, SizeMetrics> metrics_;
  std::map<std::pair<int, char32_t>, Glyph> glyphs_;
};

}  // namespace dorx
