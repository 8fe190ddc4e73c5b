#include "files/result_header.h"

#include <algorithm>
#include <cstring>

namespace dorx {
namespace {

// Little-endian field writer and reader over the 488 header bytes.
class HeaderBytes {
 public:
  explicit HeaderBytes(std::array<uint8_t, kResultHeaderBytes>& bytes) : bytes_(bytes) {}

  void Text(size_t offset, size_t size, const std::string& text) {
    const size_t n = std::min(text.size(), size - 1);
    std::memcpy(&bytes_[offset], text.data(), n);
    std::memset(&bytes_[offset + n], 0, size - n);
  }
  void Int8(size_t offset, int8_t v) { bytes_[offset] = static_cast<uint8_t>(v); }
  void Int32(size_t offset, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (size_t i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<uint8_t>(u >> (8 * i));
  }
  void Double(size_t offset, double v) {
    uint64_t u;
    std::memcpy(&u, &v, 8);
    for (size_t i = 0; i < 8; ++i) bytes_[offset + i] = static_cast<uint8_t>(u >> (8 * i));
  }

  std::string GetText(size_t offset, size_t size) const {
    const uint8_t* start = &bytes_[offset];
    const uint8_t* end = std::find(start, start + size - 1, 0);
    return std::string(reinterpret_cast<const char*>(start), static_cast<size_t>(end - start));
  }
  int8_t GetInt8(size_t offset) const { return static_cast<int8_t>(bytes_[offset]); }
  int32_t GetInt32(size_t offset) const {
    uint32_t u = 0;
    for (size_t i = 0; i < 4; ++i) u |= static_cast<uint32_t>(bytes_[offset + i]) << (8 * i);
    return static_cast<int32_t>(u);
  }
  double GetDouble(size_t offset) const {
    uint64_t u = 0;
    for (size_t i = 0; i < 8; ++i) u |= static_cast<uint64_t>(bytes_[offset + i]) << (8 * i);
    double v;
    std::memcpy(&v, &u, 8);
    return v;
  }

 private:
  std::array<uint8_t, kResultHeaderBytes>& bytes_;
};

constexpr int32_t kReservedInt = -9999;
constexpr double kReservedDouble = -9999.0;

}  // namespace

std::array<uint8_t, kResultHeaderBytes> EncodeResultHeader(const ResultHeader& h) {
  std::array<uint8_t, kResultHeaderBytes> bytes{};
  HeaderBytes w(bytes);
  w.Text(0, 128, h.Project_Name);
  w.Text(128, 128, h.Antenna_Pattern_File);
  w.Text(256, 4, h.FormatTag);
  w.Int8(260, h.Flag_Reduction);
  w.Int8(261, h.Coarse);
  w.Int8(262, 0);
  w.Int8(263, h.Compensation);
  w.Double(264, h.latitude.degrees);
  w.Double(272, h.latitude.minutes);
  w.Double(280, h.latitude.seconds);
  w.Double(288, h.longitude.degrees);
  w.Double(296, h.longitude.minutes);
  w.Double(304, h.longitude.seconds);
  w.Double(312, h.SourceLatSeconds);
  w.Double(320, h.SourceLonSeconds);
  w.Int32(328, h.SourceElevation);
  w.Int32(332, h.Range_North);
  w.Int32(336, h.Range_South);
  w.Int32(340, h.Range_East);
  w.Int32(344, h.Range_West);
  w.Int32(348, kReservedInt);
  w.Int32(352, kReservedInt);
  w.Int32(356, kReservedInt);
  w.Double(360, h.Rx_Altitude);
  w.Double(368, h.Rx_Loss);
  w.Double(376, h.Rx_Impedance);
  w.Double(384, h.Tx_Altitude);
  w.Double(392, h.Tx_Loss);
  w.Double(400, h.Tx_Power);
  w.Double(408, h.Tx_Frequency);
  w.Double(416, h.Antenna_Gain);
  w.Double(424, h.Antenna_Angle);
  w.Double(432, kReservedDouble);
  w.Double(440, h.ImageHeight);
  w.Double(448, h.ImageWidth);
  w.Double(456, h.ElevationMax);
  w.Double(464, h.ElevationMin);
  w.Double(472, h.WaterLevel);
  w.Double(480, kReservedDouble);
  return bytes;
}

void DecodeResultHeader(std::span<const uint8_t> bytes, ResultHeader& h) {
  // Bytes the file does not cover keep the encoding of the values held now.
  std::array<uint8_t, kResultHeaderBytes> merged = EncodeResultHeader(h);
  const size_t n = std::min(bytes.size(), kResultHeaderBytes);
  std::copy_n(bytes.begin(), n, merged.begin());
  HeaderBytes r(merged);
  h.Project_Name = r.GetText(0, 128);
  h.Antenna_Pattern_File = r.GetText(128, 128);
  h.FormatTag = r.GetText(256, 4);
  h.Flag_Reduction = r.GetInt8(260);
  h.Coarse = r.GetInt8(261);
  h.Compensation = r.GetInt8(263);
  h.latitude = Dms{r.GetDouble(264), r.GetDouble(272), r.GetDouble(280)};
  h.longitude = Dms{r.GetDouble(288), r.GetDouble(296), r.GetDouble(304)};
  h.SourceLatSeconds = r.GetDouble(312);
  h.SourceLonSeconds = r.GetDouble(320);
  h.SourceElevation = r.GetInt32(328);
  h.Range_North = r.GetInt32(332);
  h.Range_South = r.GetInt32(336);
  h.Range_East = r.GetInt32(340);
  h.Range_West = r.GetInt32(344);
  h.Rx_Altitude = r.GetDouble(360);
  h.Rx_Loss = r.GetDouble(368);
  h.Rx_Impedance = r.GetDouble(376);
  h.Tx_Altitude = r.GetDouble(384);
  h.Tx_Loss = r.GetDouble(392);
  h.Tx_Power = r.GetDouble(400);
  h.Tx_Frequency = r.GetDouble(408);
  h.Antenna_Gain = r.GetDouble(416);
  h.Antenna_Angle = r.GetDouble(424);
  h.ImageHeight = r.GetDouble(440);
  h.ImageWidth = r.GetDouble(448);
  h.ElevationMax = r.GetDouble(456);
  h.ElevationMin = r.GetDouble(464);
  h.WaterLevel = r.GetDouble(472);
}

}  // namespace dorx
