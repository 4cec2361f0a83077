#include "base/program_dir.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace zorvqi {
namespace {

namespace fs = std::filesystem;

// Files of the data directory that an installed program ships.
constexpr const char* kShippedFiles[] = {"zorv.db", "zorvqi.ini"};

std::string withoutTrailingSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

struct Dirs {
  std::string data = executableDir();
  std::string modules = data;
};

Dirs& storedDirs() {
  static Dirs dirs;
  return dirs;
}

std::string homeDir(const char* home) {
  if (home && *home) return home;
  const passwd* entry = ::getpwuid(::getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "/";
}

std::string causeOf(const std::string& what, const std::string& path, int error) {
  return what + " " + path + ": " + std::strerror(error);
}

// Copies `from` to `to` unless `to` exists. The copy is made under a name of its own and
// linked into place, so a reader never sees half a file and a file another program put
// there first stays as it is.
std::string copyIfMissing(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (fs::exists(to, error) || !fs::exists(from, error)) return {};
  const fs::path partial = to.string() + ".part-" + std::to_string(::getpid());
  if (!fs::copy_file(from, partial, fs::copy_options::overwrite_existing, error)) {
    return causeOf("cannot copy to", partial.string(), error.value());
  }
  const int linked = ::link(partial.c_str(), to.c_str());
  const int linkError = errno;
  fs::remove(partial, error);
  if (linked != 0 && linkError != EEXIST) return causeOf("cannot create", to.string(), linkError);
  return {};
}

}  // namespace

const std::string& programDir() {
  return storedDirs().data;
}

const std::string& moduleDir() {
  return storedDirs().modules;
}

void setProgramDir(std::string dir) {
  dir = withoutTrailingSlash(std::move(dir));
  setProgramDirs(dir, dir);
}

void setProgramDirs(std::string dataDir, std::string moduleDir) {
  storedDirs() = {withoutTrailingSlash(std::move(dataDir)), withoutTrailingSlash(std::move(moduleDir))};
}

std::string programFile(const std::string& name) {
  return programDir() + "/" + name;
}

std::string moduleFile(const std::string& name) {
  return moduleDir() + "/" + name;
}

std::string executableDir() {
  std::error_code error;
  const auto exe = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : withoutTrailingSlash(exe.parent_path().string());
}

bool runsFromOwnDir(const std::string& exeDir) {
  std::error_code error;
  return fs::exists(exeDir + "/zorv.db", error) && ::access(exeDir.c_str(), W_OK) == 0;
}

InstalledDirs installedDirsFor(const std::string& exeDir, const char* xdgDataHome, const char* home) {
  const fs::path prefix = fs::path(exeDir).parent_path();
  // A relative XDG_DATA_HOME is invalid and ignored.
  const std::string dataHome = xdgDataHome && xdgDataHome[0] == '/'
                                   ? withoutTrailingSlash(xdgDataHome)
                                   : withoutTrailingSlash(homeDir(home)) + "/.local/share";
  return {dataHome + "/zorvqi", (prefix / "lib/zorvqi").string(), (prefix / "share/zorvqi").string()};
}

std::string fillDataDir(const InstalledDirs& dirs) {
  std::error_code error;
  fs::create_directories(dirs.data, error);
  if (error) return causeOf("cannot create", dirs.data, error.value());
  for (const char* name : kShippedFiles) {
    std::string failure = copyIfMissing(fs::path(dirs.shipped) / name, fs::path(dirs.data) / name);
    if (!failure.empty()) return failure;
  }
  return {};
}

std::string useInstalledDirsWhereNeeded() {
  const std::string exeDir = executableDir();
  if (runsFromOwnDir(exeDir)) return {};
  const InstalledDirs dirs = installedDirsFor(exeDir, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  setProgramDirs(dirs.data, dirs.modules);
  return fillDataDir(dirs);
}

}  // namespace zorvqi
