// Whole-file reading and the write-then-rename replacement of text files.
#include "project/text_file.h"

#include <atomic>
#include <filesystem>
#include <fstream>
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

}  // namespace

Outcome WriteTextFileAtomically(const std::string& path, const std::string& content) {
  const fs::path target(path);
  const fs::path temporary = TemporaryPathFor(target);
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(content.data(), static_cast<std::streamsize>(content.size()));
      out.flush();
      written = static_cast<bool>(out);
    }
  }
  std::error_code error;
  if (written) {
    fs::rename(temporary, target, error);
    if (!error) return Outcome::Success();
  }
  fs::remove(temporary, error);
  return Outcome::Failure("The file \"" + path + "\" cannot be written; nothing was saved there.");
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
