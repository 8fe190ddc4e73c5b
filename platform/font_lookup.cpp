#include "platform/font_lookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace dorx {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct ObjectSetDeleter {
  void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
struct ConfigDeleter {
  void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};

// The scalable faces that match the pattern, ordered by path and face index.
std::vector<FontFile> ListFaces(FcConfig* config, FcPattern* pattern) {
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
      FcObjectSetBuild(FC_FILE, FC_INDEX, static_cast<char*>(nullptr)));
  std::unique_ptr<FcFontSet, FontSetDeleter> set(FcFontList(config, pattern, objects.get()));
  std::vector<FontFile> files;
  if (!set) return files;
  for (int i = 0; i < set->nfont; ++i) {
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch || !file) continue;
    if (FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    files.push_back({reinterpret_cast<const char*>(file), index});
  }
  std::sort(files.begin(), files.end(), [](const FontFile& a, const FontFile& b) {
    return a.path != b.path ? a.path < b.path : a.face_index < b.face_index;
  });
  return files;
}

void AppendNew(std::vector<FontFile>& all, const std::vector<FontFile>& more) {
  for (const FontFile& f : more)
    if (std::find(all.begin(), all.end(), f) == all.end()) all.push_back(f);
}

}  // namespace

std::vector<FontFile> FontFilesForJapanese() {
  std::unique_ptr<FcConfig, ConfigDeleter> config(FcInitLoadConfigAndFonts());
  if (!config) return {};
  std::vector<FontFile> all;

  std::unique_ptr<FcPattern, PatternDeleter> family(FcPatternCreate());
  FcPatternAddString(family.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("IPAGothic"));
  AppendNew(all, ListFaces(config.get(), family.get()));

  std::unique_ptr<FcPattern, PatternDeleter> japanese(FcPatternCreate());
  FcPatternAddString(japanese.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  AppendNew(all, ListFaces(config.get(), japanese.get()));

  std::unique_ptr<FcPattern, PatternDeleter> any(FcPatternCreate());
  AppendNew(all, ListFaces(config.get(), any.get()));
  return all;
}

}  // namespace dorx
