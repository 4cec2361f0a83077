// Tests' access to the stand-in ewe.dll.
//
// Contract: `installEweStandin(dir)` copies the stand-in into `dir` as "ewe.dll";
// `EweStandinJournal(path)` opens the library at `path` (the same instance a program that
// loaded that path uses) and reads or resets its journal. Thread safety: UI thread only.
#pragma once

#include <dlfcn.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zorvqi::testing {

inline std::string eweStandinPath() {
  return ZORVQI_EWE_STANDIN_PATH;
}

inline std::string installEweStandin(const std::filesystem::path& dir) {
  const std::filesystem::path target = dir / "ewe.dll";
  std::filesystem::copy_file(eweStandinPath(), target, std::filesystem::copy_options::overwrite_existing);
  return target.string();
}

class EweStandinJournal {
 public:
  explicit EweStandinJournal(const std::string& libraryPath)
      : handle_(dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {}

  bool loaded() const { return handle_ != nullptr; }

  std::vector<std::string> lines() const {
    std::vector<std::string> result;
    const std::string text = call<const char* (*)()>("eweStandinJournal")();
    std::size_t from = 0;
    for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
      result.push_back(text.substr(from, end - from));
    }
    return result;
  }
  void reset() const { call<void (*)()>("eweStandinReset")(); }
  void refuseViews(bool refuse) const { call<void (*)(int)>("eweStandinRefuseViews")(refuse ? 1 : 0); }

 private:
  template <typename Function>
  Function call(const char* name) const {
    return reinterpret_cast<Function>(dlsym(handle_, name));
  }

  void* handle_;
};

}  // namespace zorvqi::testing
