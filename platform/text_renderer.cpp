#include "platform/text_renderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "platform/utf8_decode.h"

namespace dorx {

struct TextRenderer::FreeTypeFace {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~FreeTypeFace() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

namespace {

constexpr int kMaxFontPixels = 1000;

// 26.6 fixed point to whole pixels, rounded up.
int CeilPixels(FT_Pos value) { return static_cast<int>((value + 63) >> 6); }

// Row `row` (0 at the top) of a FreeType bitmap; a negative pitch stores the
// rows bottom first.
const unsigned char* BitmapRow(const FT_Bitmap& b, int row) {
  const ptrdiff_t pitch = b.pitch;
  const ptrdiff_t stored = pitch >= 0 ? row : static_cast<ptrdiff_t>(b.rows) - 1 - row;
  return b.buffer + stored * (pitch >= 0 ? pitch : -pitch);
}

// Whether the pixel of a rendered glyph is inked: 1-bit masks as they are,
// grey ones (embedded bitmaps of some faces) from half coverage up.
bool Inked(const FT_Bitmap& b, const unsigned char* row, int col) {
  if (b.pixel_mode == FT_PIXEL_MODE_MONO) return (row[col >> 3] >> (7 - (col & 7))) & 1u;
  return 2 * static_cast<int>(row[col]) >= b.num_grays;
}

struct InkMask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bits;  // width x height, 1 where inked
};

// Faces render 1-bit or 8-bit grey masks; other pixel modes give no ink.
InkMask MaskOf(const FT_Bitmap& b) {
  InkMask m;
  if (b.pixel_mode != FT_PIXEL_MODE_MONO && b.pixel_mode != FT_PIXEL_MODE_GRAY) return m;
  m.width = static_cast<int>(b.width);
  m.height = static_cast<int>(b.rows);
  m.bits.resize(static_cast<size_t>(m.width) * static_cast<size_t>(m.height));
  for (int row = 0; row < m.height; ++row) {
    const unsigned char* bits = BitmapRow(b, row);
    for (int col = 0; col < m.width; ++col)
      m.bits[static_cast<size_t>(row) * m.width + col] = Inked(b, bits, col) ? 1 : 0;
  }
  return m;
}

}  // namespace

int FontPixelsForPoints(int size_pt) {
  if (size_pt < 1) return 0;
  const int64_t pixels = (static_cast<int64_t>(size_pt) * 96 + 36) / 72;
  return static_cast<int>(std::min<int64_t>(pixels, kMaxFontPixels));
}

TextRenderer& TextRenderer::Shared() {
  static TextRenderer shared(FontFilesForJapanese());
  return shared;
}

TextRenderer::TextRenderer(const std::vector<FontFile>& candidates) {
  auto loaded = std::make_unique<FreeTypeFace>();
  if (FT_Init_FreeType(&loaded->library) != 0) return;
  for (const FontFile& file : candidates) {
    FT_Face face = nullptr;
    if (FT_New_Face(loaded->library, file.path.c_str(), file.face_index, &face) != 0) continue;
    if (FT_IS_SCALABLE(face)) {
      loaded->face = face;
      face_ = std::move(loaded);
      return;
    }
    FT_Done_Face(face);
  }
}

TextRenderer::~TextRenderer() = default;

bool TextRenderer::SelectSize(int pixels) {
  if (!face_ || pixels <= 0) return false;
  if (selected_pixels_ == pixels) return true;
  if (FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(pixels)) != 0) return false;
  selected_pixels_ = pixels;
  return true;
}

const TextRenderer::SizeMetrics& TextRenderer::MetricsFor(int pixels) {
  auto found = metrics_.find(pixels);
  if (found != metrics_.end()) return found->second;
  SizeMetrics m;
  if (SelectSize(pixels)) {
    m.ascent = std::max(0, CeilPixels(face_->face->size->metrics.ascender));
    m.descent = std::max(0, CeilPixels(-face_->face->size->metrics.descender));
  }
  return metrics_.emplace(pixels, m).first->second;
}

const TextRenderer::Glyph& TextRenderer::GlyphFor(int pixels, char32_t code_point) {
  const auto key = std::make_pair(pixels, code_point);
  auto found = glyphs_.find(key);
  if (found != glyphs_.end()) return found->second;
  Glyph g;
  if (SelectSize(pixels)) {
    FT_Face face = face_->face;
    // A code point without a glyph draws the face's missing-glyph shape (index 0).
    const FT_UInt index = FT_Get_Char_Index(face, code_point);
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0) {
      const FT_GlyphSlot slot = face->glyph;
      g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
      g.left = slot->bitmap_left;
      g.top = slot->bitmap_top;
      InkMask mask = MaskOf(slot->bitmap);
      g.width = mask.width;
      g.height = mask.height;
      g.mask = std::move(mask.bits);
    }
  }
  return glyphs_.emplace(key, std::move(g)).first->second;
}

TextCell TextRenderer::MeasureLocked(const std::u32string& text, int pixels) {
  TextCell cell;
  if (!face_ || pixels <= 0) return cell;
  const SizeMetrics& m = MetricsFor(pixels);
  cell.ascent = m.ascent;
  cell.descent = m.descent;
  int64_t width = 0;
  for (char32_t c : text) width += GlyphFor(pixels, c).advance;
  cell.width = static_cast<int>(std::clamp<int64_t>(width, 0, INT32_MAX));
  return cell;
}

TextCell TextRenderer::Measure(std::string_view utf8, int size_pt) {
  const std::lock_guard lock(mutex_);
  return MeasureLocked(DecodeUtf8(utf8), FontPixelsForPoints(size_pt));
}

void TextRenderer::Draw(Bitmap& bitmap, int x, int y, std::string_view utf8, int size_pt,
                        CanvasColour colour, std::optional<CanvasColour> background) {
  const std::lock_guard lock(mutex_);
  const int pixels = FontPixelsForPoints(size_pt);
  const std::u32string text = DecodeUtf8(utf8);
  const TextCell cell = MeasureLocked(text, pixels);
  if (cell.width == 0 && cell.height() == 0) return;
  if (background) {
    for (int64_t row = y; row < static_cast<int64_t>(y) + cell.height(); ++row)
      if (row >= 0 && row < bitmap.height())
        bitmap.FillSpan(static_cast<int>(row), x, static_cast<int64_t>(x) + cell.width, *background);
  }
  const int64_t baseline = static_cast<int64_t>(y) + cell.ascent;
  int64_t pen = x;
  for (char32_t c : text) {
    const Glyph& g = GlyphFor(pixels, c);
    for (int row = 0; row < g.height; ++row) {
      const int64_t py = baseline - g.top + row;
      if (py < 0 || py >= bitmap.height()) continue;
      for (int col = 0; col < g.width; ++col) {
        const int64_t px = pen + g.left + col;
        if (g.mask[static_cast<size_t>(row) * g.width + col] && px >= 0 && px < bitmap.width())
          bitmap.SetPixel(static_cast<int>(px), static_cast<int>(py), colour);
      }
    }
    pen += g.advance;
  }
}

}  // namespace dorx
