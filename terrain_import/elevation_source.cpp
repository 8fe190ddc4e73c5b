#include "terrain_import/elevation_source.h"

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>

#include "files/dem_xml.h"
#include "platform/file_system.h"

namespace dorx {
namespace {

// Source values at or below this are no data: the tiles cannot hold them,
// and GDAL reads a tile's -9999 as -999.9.
constexpr double kLowestElevation_m = -999.85;

void RegisterDrivers() {
  static std::once_flag once;
  std::call_once(once, [] {
    GDALAllRegister();
    CPLSetErrorHandler(CPLQuietErrorHandler);  // failures are reported by the caller
  });
}

std::string Lowered(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsZipArchive(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  char head[4] = {};
  const size_t n = std::fread(head, 1, 4, f);
  std::fclose(f);
  return n == 4 && std::string(head, 4) == std::string("PK\x03\x04", 4);
}

// The EPSG code of the survey's srsName ("fguuid:jgd2011.bl" and the like),
// 0 when unknown.
int EpsgOfSrsName(const std::string& srs_name) {
  const std::string s = Lowered(srs_name);
  if (s.find("jgd2011") != std::string::npos) return 6668;
  if (s.find("jgd2000") != std::string::npos) return 4612;
  if (s.find("tokyo") != std::string::npos) return 4301;
  return 0;
}

// A grid read from the survey's XML as a raster in memory.
GDALDataset* DatasetOfDemXml(const std::string& path, std::string& error) {
  const DemXmlResult xml = ReadDemXml(path);
  if (!xml.error.empty()) {
    error = xml.error;
    return nullptr;
  }
  const DemGrid& g = xml.grid;
  const int epsg = EpsgOfSrsName(g.srs_name);
  if (epsg == 0) {
    error = "unknown coordinate system \"" + g.srs_name + "\" (srsName of the envelope)";
    return nullptr;
  }
  GDALDriver* mem = GetGDALDriverManager()->GetDriverByName("MEM");
  GDALDataset* ds = mem ? mem->Create("", g.columns, g.rows, 1, GDT_Float32, nullptr) : nullptr;
  if (!ds) {
    error = "no memory for its grid";
    return nullptr;
  }
  double gt[6] = {g.west_deg, (g.east_deg - g.west_deg) / g.columns, 0.0,
                  g.north_deg, 0.0, -(g.north_deg - g.south_deg) / g.rows};
  ds->SetGeoTransform(gt);
  OGRSpatialReference srs;
  srs.importFromEPSG(epsg);
  ds->SetSpatialRef(&srs);
  if (ds->GetRasterBand(1)->RasterIO(GF_Write, 0, 0, g.columns, g.rows, const_cast<float*>(g.elevations_m.data()),
                                     g.columns, g.rows, GDT_Float32, 0, 0) != CE_None) {
    GDALClose(ds);
    error = "cannot hold its grid";
    return nullptr;
  }
  return ds;
}

struct KnownDatum {
  int geographic_epsg;
  const char* datum_name;  // as GDAL names the datum
  SourceDatum datum;
  const char* text;
};

const KnownDatum kKnownDatums[] = {
    {4301, "Tokyo", SourceDatum::kTokyo, "Tokyo datum (EPSG:4301)"},
    {4612, "Japanese_Geodetic_Datum_2000", SourceDatum::kJgd2000, "JGD2000 (EPSG:4612)"},
    {6668, "Japanese_Geodetic_Datum_2011", SourceDatum::kJgd2000, "JGD2011 (EPSG:6668), taken as JGD2000"},
    {4326, "WGS_1984", SourceDatum::kJgd2000, "WGS 84 (EPSG:4326), taken as JGD2000"},
};

const KnownDatum* DatumOf(const OGRSpatialReference& srs) {
  const char* authority = srs.GetAuthorityName("GEOGCS");
  const char* code = srs.GetAuthorityCode("GEOGCS");
  const char* datum = srs.GetAttrValue("DATUM");
  for (const KnownDatum& k : kKnownDatums) {
    if (authority && code && std::string(authority) == "EPSG" && std::atoi(code) == k.geographic_epsg) return &k;
    if (datum && std::string(datum) == k.datum_name) return &k;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<ElevationSource> ElevationSource::Open(const std::string& path, std::string& error) {
  RegisterDrivers();
  std::unique_ptr<ElevationSource> source(new ElevationSource());
  source->path_ = path;
  if (!FileExists(path)) {
    error = "cannot be opened";
    return nullptr;
  }
  if (IsZipArchive(path)) {
    error = "a zip archive, not elevation data: unpack it and give the files inside";
    return nullptr;
  }
  if (EndsWith(Lowered(path), ".xml")) {
    source->dataset_ = DatasetOfDemXml(path, error);
    if (!source->dataset_) return nullptr;
  } else {
    source->dataset_ = GDALDataset::Open(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY);
    if (!source->dataset_) {
      error = "not a raster GDAL can read";
      return nullptr;
    }
  }
  if (!source->Prepare(error)) return nullptr;
  return source;
}

ElevationSource::~ElevationSource() {
  if (to_raster_crs_) OGRCoordinateTransformation::DestroyCT(to_raster_crs_);
  if (dataset_) GDALClose(dataset_);
}

bool ElevationSource::Prepare(std::string& error) {
  if (dataset_->GetRasterCount() < 1 || dataset_->GetRasterXSize() < 1 || dataset_->GetRasterYSize() < 1) {
    error = "holds no raster band";
    return false;
  }
  double gt[6];
  if (dataset_->GetGeoTransform(gt) != CE_None || !GDALInvGeoTransform(gt, inverse_)) {
    error = "has no georeferencing (no geotransform)";
    return false;
  }
  const OGRSpatialReference* srs = dataset_->GetSpatialRef();
  const KnownDatum* known = srs ? DatumOf(*srs) : nullptr;
  if (!known) {
    error = srs ? std::string("unknown coordinate system \"") + (srs->GetName() ? srs->GetName() : "?") +
                      "\" (known: Tokyo, JGD2000, JGD2011, WGS 84 and their projections)"
                : "has no coordinate system";
    return false;
  }
  datum_ = known->datum;
  datum_text_ = known->text;
  if (!srs->IsGeographic()) {
    OGRSpatialReference geographic;
    geographic.CopyGeogCSFrom(srs);
    geographic.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    OGRSpatialReference raster(*srs);
    raster.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    to_raster_crs_ = OGRCreateCoordinateTransformation(&geographic, &raster);
    std::unique_ptr<OGRCoordinateTransformation> back(OGRCreateCoordinateTransformation(&raster, &geographic));
    if (!to_raster_crs_ || !back) {
      error = "its projection cannot be computed";
      return false;
    }
    datum_text_ = std::string(srs->GetName() ? srs->GetName() : "projected") + ", " + datum_text_;
    // The extent: the raster's edges, 33 points each, in latitude and longitude.
    bounds_ = {90.0, -90.0, 360.0, -360.0};
    const double w = dataset_->GetRasterXSize(), h = dataset_->GetRasterYSize();
    for (int i = 0; i <= 32; ++i) {
      for (int edge = 0; edge < 4; ++edge) {
        const double t = i / 32.0;
        const double px = edge == 0 ? t * w : edge == 1 ? t * w : edge == 2 ? 0.0 : w;
        const double py = edge == 0 ? 0.0 : edge == 1 ? h : t * h;
        double x = gt[0] + px * gt[1] + py * gt[2], y = gt[3] + px * gt[4] + py * gt[5];
        if (!back->Transform(1, &x, &y)) continue;
        bounds_ = {std::min(bounds_.lat_min, y), std::max(bounds_.lat_max, y), std::min(bounds_.lon_min, x),
                   std::max(bounds_.lon_max, x)};
      }
    }
    if (bounds_.lat_min > bounds_.lat_max) {
      error = "its extent cannot be turned into latitude and longitude";
      return false;
    }
  } else {
    const double w = dataset_->GetRasterXSize(), h = dataset_->GetRasterYSize();
    const double xs[4] = {gt[0], gt[0] + w * gt[1], gt[0] + h * gt[2], gt[0] + w * gt[1] + h * gt[2]};
    const double ys[4] = {gt[3], gt[3] + w * gt[4], gt[3] + h * gt[5], gt[3] + w * gt[4] + h * gt[5]};
    bounds_ = {*std::min_element(ys, ys + 4), *std::max_element(ys, ys + 4), *std::min_element(xs, xs + 4),
               *std::max_element(xs, xs + 4)};
  }
  return true;
}

void ElevationSource::ToPixels(std::vector<double>& x, std::vector<double>& y) const {
  const size_t n = std::min(x.size(), y.size());
  std::vector<int> ok(n, 1);
  if (to_raster_crs_ && n > 0 &&
      !to_raster_crs_->Transform(static_cast<int>(n), x.data(), y.data(), nullptr, ok.data()))
    std::fill(ok.begin(), ok.end(), 0);
  for (size_t i = 0; i < n; ++i) {
    if (!ok[i]) {
      x[i] = y[i] = std::numeric_limits<double>::quiet_NaN();
      continue;
    }
    const double px = inverse_[0] + x[i] * inverse_[1] + y[i] * inverse_[2];
    const double py = inverse_[3] + x[i] * inverse_[4] + y[i] * inverse_[5];
    x[i] = px;
    y[i] = py;
  }
}

bool ElevationSource::Read(int32_t x0, int32_t y0, int32_t x1, int32_t y1, PixelWindow& window) const {
  window.raster_width = dataset_->GetRasterXSize();
  window.raster_height = dataset_->GetRasterYSize();
  x0 = std::max(x0, 0), y0 = std::max(y0, 0);
  x1 = std::min(x1, window.raster_width - 1), y1 = std::min(y1, window.raster_height - 1);
  window.x0 = x0, window.y0 = y0;
  window.width = std::max(0, x1 - x0 + 1), window.height = std::max(0, y1 - y0 + 1);
  window.values_m.assign(static_cast<size_t>(window.width) * static_cast<size_t>(window.height), 0.0);
  if (window.values_m.empty()) return true;
  GDALRasterBand* band = dataset_->GetRasterBand(1);
  if (band->RasterIO(GF_Read, x0, y0, window.width, window.height, window.values_m.data(), window.width,
                     window.height, GDT_Float64, 0, 0) != CE_None)
    return false;
  int has_no_data = 0;
  const double no_data = band->GetNoDataValue(&has_no_data);
  const double scale = band->GetScale(), offset = band->GetOffset();
  for (double& v : window.values_m) {
    if ((has_no_data && v == no_data) || std::isnan(v)) {
      v = std::numeric_limits<double>::quiet_NaN();
      continue;
    }
    v = v * scale + offset;
    if (v <= kLowestElevation_m) v = std::numeric_limits<double>::quiet_NaN();
  }
  return true;
}

}  // namespace dorx
