// A fresh directory under the system's temporary directory, removed with everything in it
// when the object goes. Tests use it as a program directory.
//
// Contract: the constructor throws when no directory can be made. The file helpers read and
// write whole files as bytes; reading a missing file gives the empty text. Thread safety:
// each object and each file belongs to one test; the functions may be called from any thread.
#pragma once

#include <filesystem>
#include <string>

namespace zorvqi::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Whole-file helpers for fixtures.
std::string readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

// The directory of the project's own test data files (tests/data).
std::filesystem::path testDataDir();

// The pages saved from real sites, kept beside the checkout (../shared/realpages); tests
// that read them skip when the folder is not there.
std::filesystem::path realPagesDir();

}  // namespace zorvqi::testing
