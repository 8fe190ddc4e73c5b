#include "platform/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace dorx {
namespace {

bool TooLong(const std::string& path) { return path.size() > kMaxPathBytes; }

struct FileCloser {
  void operator()(FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

}  // namespace

bool FolderExists(const std::string& path) {
  if (path.empty() || TooLong(path)) return false;
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExists(const std::string& path) {
  if (path.empty() || TooLong(path)) return false;
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool CreateFolder(const std::string& path) {
  if (path.empty() || TooLong(path)) return false;
  if (::mkdir(path.c_str(), 0777) == 0) return true;
  return errno == EEXIST && FolderExists(path);
}

bool RemoveFile(const std::string& path) {
  if (path.empty() || TooLong(path)) return false;
  return ::unlink(path.c_str()) == 0;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  if (path.empty() || TooLong(path) || FolderExists(path)) return std::nullopt;
  FilePtr f(std::fopen(path.c_str(), "rb"));
  if (!f) return std::nullopt;
  std::string content;
  char buffer[1 << 16];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) content.append(buffer, n);
  if (std::ferror(f.get())) return std::nullopt;
  return content;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (path.empty() || TooLong(path)) return false;
  FilePtr f(std::fopen(path.c_str(), "wb"));
  if (!f) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
    return false;
  return std::fclose(f.release()) == 0;
}

std::string ExecutableFolder() {
  char buffer[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "./";
  return FolderOf(std::string(buffer, static_cast<size_t>(n)));
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind(kSeparator);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.rfind(kSeparator);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != kSeparator) folder.push_back(kSeparator);
  return folder;
}

}  // namespace dorx
