#include "platform/png_writer.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>

#include "platform/file_system.h"

namespace dorx {
namespace {

// Fixed encoder settings, so that a picture always gives the same bytes: one
// filter for every row (Sub suits the long runs of one colour on the maps)
// and zlib's default level with its default window and memory.
constexpr int kRowFilter = PNG_FILTER_SUB;
constexpr int kCompressionLevel = 6;

struct Output {
  std::string* bytes;
  bool out_of_memory = false;
};

void AppendBytes(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<Output*>(png_get_io_ptr(png));
  try {
    out->bytes->append(reinterpret_cast<const char*>(data), length);
  } catch (...) {
    out->out_of_memory = true;
  }
  // Outside the handler: the jump must not leave a live exception behind.
  if (out->out_of_memory) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// Errors end the encoding through the jump below without a word on stderr;
// the caller reports the failure. Warnings are not needed.
[[noreturn]] void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void QuietWarning(png_structp, png_const_charp) {}

// Writes the bytes to a new or truncated file. A file that was opened but not
// written completely is removed, so that no cut picture stays behind; a file
// that could not be opened is left as it was.
bool WriteWholePicture(const std::string& path, const std::string& bytes) {
  if (path.empty() || path.size() > kMaxPathBytes) return false;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool closed = std::fclose(f) == 0;
  if (written && closed) return true;
  RemoveFile(path);
  return false;
}

// libpng reports errors by longjmp to the setjmp below; nothing in this
// function owns a resource that such a jump would skip.
bool EncodeInto(png_structp png, png_infop info, const Bitmap& bitmap,
                const std::optional<CanvasColour>& transparent, Output* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, AppendBytes, FlushNothing);
  // Any size PNG allows (2^31 - 1 a side), not libpng's default of a million.
  png_set_user_limits(png, 0x7FFFFFFFu, 0x7FFFFFFFu);
  png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.width()),
               static_cast<png_uint_32>(bitmap.height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (transparent) {
    png_color_16 colour{};
    colour.red = RedOf(*transparent);
    colour.green = GreenOf(*transparent);
    colour.blue = BlueOf(*transparent);
    png_set_tRNS(png, info, nullptr, 0, &colour);
  }
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kRowFilter);
  png_set_compression_level(png, kCompressionLevel);
  png_set_compression_mem_level(png, 8);
  png_set_compression_window_bits(png, 15);
  png_set_compression_strategy(png, Z_DEFAULT_STRATEGY);
  png_write_info(png, info);
  png_set_bgr(png);  // the bitmap's rows hold blue first
  for (int y = 0; y < bitmap.height(); ++y) png_write_row(png, bitmap.Row(y));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::string EncodePng(const Bitmap& bitmap, std::optional<CanvasColour> transparent) {
  // PNG has no empty pictures; an empty bitmap encodes as nothing.
  if (bitmap.empty()) return {};
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
  if (!png) return {};
  png_infop info = png_create_info_struct(png);
  std::string bytes;
  Output out{&bytes};
  const bool ok = info && EncodeInto(png, info, bitmap, transparent, &out);
  png_destroy_write_struct(&png, info ? &info : nullptr);
  if (!ok) return {};
  return bytes;
}

bool WritePng(const std::string& path, const Bitmap& bitmap,
              std::optional<CanvasColour> transparent) {
  const std::string bytes = EncodePng(bitmap, transparent);
  if (bytes.empty()) return false;
  return WriteWholePicture(path, bytes);
}

}  // namespace dorx
