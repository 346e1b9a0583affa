// Whole-file reading and the write-then-rename replacement of text files.
#include "project/text_file.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A short name in the target's folder (so that the rename cannot cross file systems and a long target
// name cannot make it too long), unlikely to meet another writer's by the clock and a counter.
fs::path TemporaryPathFor(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = fs::file_time_type::clock::now().time_since_epoch().count();
  return target.parent_path() / (".ripades-" + std::to_string(ticks) + "-" + std::to_string(counter++) + ".tmp");
}

constexpr int kMostLinksFollowed = 40;  // as the system's own limit on a chain of symbolic links

// The file a path names in the end: a symbolic link is followed to its target (which need not exist
// yet), so that the target is replaced and the link stays. Nothing for a chain of links that does not
// end.
std::optional<fs::path> FinalTarget(fs::path path) {
  for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path link = fs::read_symlink(path, error);
    if (error) return std::nullopt;
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return std::nullopt;
}

bool WriteWhole(const fs::path& file, const std::string& content) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.flush();
  return static_cast<bool>(out);
}

// The replaced file's permission bits go to the new one; a new file keeps those it was created with.
bool TakePermissions(const fs::path& temporary, const fs::path& target) {
  std::error_code error;
  const fs::file_status replaced = fs::status(target, error);
  if (error) return !fs::exists(replaced);
  fs::permissions(temporary, replaced.permissions() & fs::perms::mask, fs::perm_options::replace, error);
  return !error;
}

}  // namespace

Outcome WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const Outcome failed = Outcome::Failure("The file \"" + path + "\" cannot be written; nothing was saved there.");
  const std::optional<fs::path> target = FinalTarget(fs::path(path));
  if (!target) return failed;
  const fs::path temporary = TemporaryPathFor(*target);
  std::error_code error;
  if (WriteWhole(temporary, bytes) && TakePermissions(temporary, *target)) {
    fs::rename(temporary, *target, error);
    if (!error) return Outcome::Success();
  }
  fs::remove(temporary, error);
  return failed;
}

Outcome ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& content) {
  content.clear();
  std::error_code error;
  if (fs::is_directory(path, error)) return Outcome::Failure("\"" + path + "\" is a folder, not a file.");
  std::ifstream in(path, std::ios::binary);
  if (!in) return Outcome::Failure("The file \"" + path + "\" cannot be opened.");
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) return Outcome::Failure("The file \"" + path + "\" cannot be read.");
  if (static_cast<std::size_t>(size) > maxBytes)
    return Outcome::Failure("The file \"" + path + "\" is too large (over " + std::to_string(maxBytes / 1024) +
                            " KB) to be read.");
  in.seekg(0);
  content.resize(static_cast<std::size_t>(size));
  in.read(content.data(), size);
  if (in.gcount() != size) {
    content.clear();
    return Outcome::Failure("The file \"" + path + "\" cannot be read.");
  }
  return Outcome::Success();
}
