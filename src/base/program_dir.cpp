#include "base/program_dir.h"

#include <filesystem>

namespace zorvqi {
namespace {

std::string withoutTrailingSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

std::string& storedDir() {
  static std::string dir = executableDir();
  return dir;
}

}  // namespace

const std::string& programDir() {
  return storedDir();
}

void setProgramDir(std::string dir) {
  storedDir() = withoutTrailingSlash(std::move(dir));
}

std::string programFile(const std::string& name) {
  return programDir() + "/" + name;
}

std::string executableDir() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : withoutTrailingSlash(exe.parent_path().string());
}

}  // namespace zorvqi
