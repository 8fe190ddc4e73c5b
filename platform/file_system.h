#pragma once
// Files and folders. Paths are native (UTF-8 on Linux); the folder separator
// is kSeparator and folder paths end in it.
#include <optional>
#include <string>
#include <string_view>

namespace dorx {

inline constexpr char kSeparator = '/';

// The longest full file name the system builds: 1,023 bytes. A longer name is
// never opened or created: the operation fails as if the file could not be opened.
inline constexpr size_t kMaxPathBytes = 1023;

bool FolderExists(const std::string& path);
bool FileExists(const std::string& path);
// Creates one folder; an existing folder is not an error. Returns true when
// the folder exists afterwards.
bool CreateFolder(const std::string& path);
bool RemoveFile(const std::string& path);

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Creates or truncates the file and writes the bytes; false on any failure.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

// The folder of the running executable, ending in a separator.
std::string ExecutableFolder();

// "dir/name.ext" -> "dir/"; a name without folder gives "".
std::string FolderOf(const std::string& path);
// "dir/name.ext" -> "name.ext".
std::string FileNameOf(const std::string& path);
// Appends a separator unless the text already ends in one.
std::string WithTrailingSeparator(std::string folder);

}  // namespace dorx
