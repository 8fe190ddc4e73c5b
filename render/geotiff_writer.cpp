#include "render/geotiff_writer.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <memory>

#include "platform/c_format.h"
#include "platform/sjis.h"

namespace dorx {
namespace {

// GDAL's messages are collected for our own report instead of being printed.
class QuietGdal {
 public:
  QuietGdal() {
    GDALAllRegister();
    CPLPushErrorHandler(CPLQuietErrorHandler);
    CPLErrorReset();
  }
  ~QuietGdal() { CPLPopErrorHandler(); }
  QuietGdal(const QuietGdal&) = delete;
  QuietGdal& operator=(const QuietGdal&) = delete;
  static std::string LastError() { return CPLGetLastErrorMsg(); }
};

struct DatasetCloser {
  void operator()(GDALDataset* dataset) const { GDALClose(GDALDataset::ToHandle(dataset)); }
};
using Dataset = std::unique_ptr<GDALDataset, DatasetCloser>;

OGRSpatialReference SpatialReference(int epsg) {
  OGRSpatialReference srs;
  srs.importFromEPSG(epsg);
  srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);  // longitude, latitude
  return srs;
}

std::string DatumText(const ResultRaster& r) {
  if (r.epsg == kEpsgTokyo) return "Tokyo datum: the result's cells carry no datum shift (no datum table was used)";
  std::string text = "JGD2000: the Tokyo-datum cell positions were moved with the datum-shift table";
  const int64_t without = r.cells_with_position - r.cells_with_datum_shift;
  if (without > 0) text += Format("; %lld cells had no shift in the table", static_cast<long long>(without));
  return text;
}

void SetMetadata(GDALDataset& dataset, const ResultRaster& r) {
  const ResultHeader& h = r.header;
  dataset.SetMetadataItem("AREA_OR_POINT", "Area");
  dataset.SetMetadataItem("DORX_PROJECT", Cp932ToUtf8(h.Project_Name).c_str());
  dataset.SetMetadataItem("DORX_MODE", r.flood_mode == 0 ? "field strength" : "flood");
  dataset.SetMetadataItem("DORX_DATUM", DatumText(r).c_str());
  dataset.SetMetadataItem("DORX_PLACEMENT",
                          "the box of the KML overlays (corner cell to corner cell, without the template's rotation) "
                          "cut into equal cells");
  dataset.SetMetadataItem("DORX_LARGEST_PLACEMENT_ERROR_M", Format("%.1f", r.largest_placement_error_m).c_str());
  dataset.SetMetadataItem("DORX_CELLS_PER_PIXEL", Format("%d", r.cells_per_pixel).c_str());
  if (r.flood_mode == 0) {
    dataset.SetMetadataItem("DORX_TX_FREQUENCY_MHZ", Format("%.6f", h.Tx_Frequency).c_str());
    dataset.SetMetadataItem("DORX_RX_IMPEDANCE_OHM", Format("%.6f", h.Rx_Impedance).c_str());
    dataset.SetMetadataItem("DORX_RX_LOSS_DB", Format("%.6f", h.Rx_Loss).c_str());
  } else {
    dataset.SetMetadataItem("DORX_WATER_LEVEL_M", Format("%.6f", h.WaterLevel).c_str());
  }
}

bool WriteBands(GDALDataset& dataset, const ResultRaster& r) {
  for (size_t i = 0; i < r.bands.size(); ++i) {
    GDALRasterBand* band = dataset.GetRasterBand(static_cast<int>(i) + 1);
    const RasterBand& source = r.bands[i];
    band->SetDescription(source.description.c_str());
    band->SetUnitType(source.unit.c_str());
    band->SetNoDataValue(kRasterNoData);
    if (band->RasterIO(GF_Write, 0, 0, r.columns, r.rows, const_cast<float*>(source.values.data()), r.columns, r.rows,
                       GDT_Float32, 0, 0, nullptr) != CE_None)
      return false;
  }
  return true;
}

}  // namespace

std::string WriteGeoTiff(const ResultRaster& r, const std::string& path) {
  const QuietGdal quiet;
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GTiff");
  if (driver == nullptr) return "GDAL has no GTiff driver";
  const char* options[] = {"COMPRESS=DEFLATE", "PREDICTOR=3", "TILED=YES", nullptr};
  Dataset dataset(driver->Create(path.c_str(), r.columns, r.rows, static_cast<int>(r.bands.size()), GDT_Float32,
                                 const_cast<char**>(options)));
  if (!dataset) return "Write: " + path;
  double gt[6];
  std::copy(r.geotransform.begin(), r.geotransform.end(), gt);
  const OGRSpatialReference srs = SpatialReference(r.epsg);
  if (dataset->SetGeoTransform(gt) != CE_None || dataset->SetSpatialRef(&srs) != CE_None) return "Write: " + path;
  SetMetadata(*dataset, r);
  if (!WriteBands(*dataset, r)) return "Write: " + path;
  CPLErrorReset();
  dataset.reset();  // the file is complete only once it is closed
  if (CPLGetLastErrorType() == CE_Failure || CPLGetLastErrorType() == CE_Fatal) return "Write: " + path;
  return "";
}

std::string CrsWkt(int epsg, WktFlavour flavour) {
  const QuietGdal quiet;
  const OGRSpatialReference srs = SpatialReference(epsg);
  const char* esri[] = {"FORMAT=WKT1_ESRI", nullptr};
  const char* gdal[] = {"FORMAT=WKT2_2018", nullptr};
  char* text = nullptr;
  if (srs.exportToWkt(&text, flavour == WktFlavour::kEsri ? esri : gdal) != OGRERR_NONE || text == nullptr) {
    CPLFree(text);
    return "";
  }
  std::string wkt = text;
  CPLFree(text);
  return wkt;
}

}  // namespace dorx
