#include "engine/store_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/file_system.h"

namespace dorx {
namespace {

bool WriteAll(int fd, const uint8_t* bytes, size_t count) {
  while (count > 0) {
    const ssize_t n = ::write(fd, bytes, count);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

StoreFile::~StoreFile() { Close(); }

bool StoreFile::Open(const std::string& path, const char* mode) {
  Close();
  if (path.empty() || path.size() > kMaxPathBytes || mode == nullptr) return false;
  const std::string m(mode);
  if (m == "rb") {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      return false;
    }
    const size_t bytes = static_cast<size_t>(st.st_size);
    if (bytes > 0) {
      void* map = ::mmap(nullptr, bytes, PROT_READ, MAP_PRIVATE, fd, 0);
      if (map == MAP_FAILED) {
        ::close(fd);
        return false;
      }
      mapping_ = map;
      mapping_bytes_ = bytes;
      data_ = static_cast<const uint8_t*>(map);
    }
    ::close(fd);
    size_ = static_cast<int64_t>(bytes);
    mode_ = Mode::kRead;
    return true;
  }
  if (m == "wb") {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    fd_ = fd;
    buffer_.clear();
    size_ = 0;
    mode_ = Mode::kWrite;
    return true;
  }
  return false;
}

bool StoreFile::Close() {
  bool ok = true;
  if (mode_ == Mode::kRead && mapping_ != nullptr) ::munmap(mapping_, mapping_bytes_);
  if (mode_ == Mode::kWrite) {
    ok = WriteAll(fd_, buffer_.data(), buffer_.size());
    if (::close(fd_) != 0) ok = false;
    std::vector<uint8_t>().swap(buffer_);
  }
  mode_ = Mode::kClosed;
  mapping_ = nullptr;
  mapping_bytes_ = 0;
  data_ = nullptr;
  size_ = 0;
  fd_ = -1;
  return ok;
}

size_t StoreFile::ReadAt(int64_t offset, void* dst, size_t size) const {
  if (mode_ != Mode::kRead || size == 0 || offset < 0 || offset >= size_) return 0;
  const size_t n = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(size), size_ - offset));
  std::memcpy(dst, data_ + offset, n);
  return n;
}

void StoreFile::WriteAt(int64_t offset, const void* src, size_t size) {
  if (mode_ != Mode::kWrite || size == 0 || offset < 0 || size > static_cast<size_t>(kMaxBytes) ||
      offset > kMaxBytes - static_cast<int64_t>(size))
    return;
  const size_t end = static_cast<size_t>(offset) + size;
  if (end > buffer_.size()) {
    // Grow geometrically: the passes write record after record.
    if (end > buffer_.capacity()) buffer_.reserve(std::max(end, buffer_.capacity() * 2));
    buffer_.resize(end, 0);
  }
  std::memcpy(buffer_.data() + offset, src, size);
  size_ = static_cast<int64_t>(buffer_.size());
}

}  // namespace dorx
