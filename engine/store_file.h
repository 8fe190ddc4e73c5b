#pragma once
// One open record file of the cell store. A file opened for reading is mapped
// into memory; a file opened for writing is created (or emptied) at once,
// collected in memory and written out when it is closed, so the bytes on disk
// are exactly those that a seek and a 160-byte write per access would leave
// (holes read as zero bytes).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dorx {

class StoreFile {
 public:
  // A write that would grow the file beyond this is dropped, like a failed
  // write: within the limits of a run the largest record ends below 2^31.
  static constexpr int64_t kMaxBytes = int64_t{1} << 31;

  StoreFile() = default;
  StoreFile(const StoreFile&) = delete;
  StoreFile& operator=(const StoreFile&) = delete;
  ~StoreFile();

  // "rb" or "wb". False when the file cannot be opened (also for a path over
  // 1,023 bytes and for anything but a regular file); the slot stays closed.
  // An open slot is closed first.
  bool Open(const std::string& path, const char* mode);
  // Writes a file opened "wb" to disk; false when that failed.
  bool Close();
  bool IsOpen() const { return mode_ != Mode::kClosed; }
  bool IsReadable() const { return mode_ == Mode::kRead; }
  bool IsWritable() const { return mode_ == Mode::kWrite; }

  // Copies the bytes of [offset, offset + size) that the file holds into dst
  // and returns their number: the part before the end of a read partly past
  // it, nothing wholly past it, nothing from a file opened for writing.
  size_t ReadAt(int64_t offset, void* dst, size_t size) const;
  // Writes at offset, growing the file with zero bytes; nothing into a file
  // opened for reading, at a negative offset or beyond kMaxBytes.
  void WriteAt(int64_t offset, const void* src, size_t size);

  // Direct view of a readable file's bytes.
  const uint8_t* data() const { return data_; }
  int64_t size() const { return size_; }

 private:
  enum class Mode { kClosed, kRead, kWrite };
  Mode mode_ = Mode::kClosed;
  const uint8_t* data_ = nullptr;  // mapping of a readable file
  int64_t size_ = 0;
  void* mapping_ = nullptr;
  size_t mapping_bytes_ = 0;
  int fd_ = -1;                  // a writable file, kept open until Close
  std::vector<uint8_t> buffer_;  // content of a writable file
};

}  // namespace dorx
