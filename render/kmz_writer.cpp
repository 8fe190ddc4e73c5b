#include "render/kmz_writer.h"

#include <zip.h>

#include <optional>

#include "platform/file_system.h"

namespace dorx {
namespace {

// Adds the bytes under the name; they must live until the archive is closed.
bool AddEntry(zip_t* archive, const std::string& name, const std::string& bytes) {
  zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
  if (source == nullptr) return false;
  if (zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
    zip_source_free(source);
    return false;
  }
  return true;
}

}  // namespace

bool WriteKmz(const std::string& kmz_path, const std::string& kml_path, const std::string& png_path,
              const std::string& png_name_utf8) {
  const std::optional<std::string> kml = ReadWholeFile(kml_path);
  const std::optional<std::string> png = ReadWholeFile(png_path);
  if (!kml || !png) return false;
  int error = 0;
  zip_t* archive = zip_open(kmz_path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) return false;
  if (!AddEntry(archive, "doc.kml", *kml) || !AddEntry(archive, png_name_utf8, *png)) {
    zip_discard(archive);
    return false;
  }
  return zip_close(archive) == 0;
}

}  // namespace dorx
