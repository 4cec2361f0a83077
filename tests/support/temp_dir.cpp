#include "support/temp_dir.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zorvqi::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zorvqi-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string readFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path realPagesDir() {
  return std::filesystem::path(ZORVQI_SOURCE_DIR) / ".." / "shared" / "realpages";
}

std::filesystem::path testDataDir() {
  return std::filesystem::path(ZORVQI_SOURCE_DIR) / "tests" / "data";
}

}  // namespace zorvqi::testing
