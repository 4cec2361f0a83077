#include "base/gzip_module.h"

#include <dlfcn.h>

#include <filesystem>

#include "base/program_dir.h"

namespace zorvqi {

const char* const kGzipModuleUnloadableMessage = "gzip.dll 无法加载，已按缺失处理";

namespace {

constexpr char kModuleName[] = "gzip.dll";

template <class Entry>
Entry entryOf(void* library, const char* name) {
  return reinterpret_cast<Entry>(dlsym(library, name));
}

}  // namespace

GzipModule::GzipModule() : library_(dlopen(moduleFile(kModuleName).c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (!library_) return;
  init = entryOf<InitDecompressionFn>(library_, "InitDecompression");
  create = entryOf<CreateDecompressionFn>(library_, "CreateDecompression");
  decompress = entryOf<DecompressFn>(library_, "Decompress");
  destroy = entryOf<DestroyDecompressionFn>(library_, "DestroyDecompression");
  if (usable()) return;
  // A library that lacks an entry is no module: none of its entries is offered.
  init = nullptr;
  create = nullptr;
  decompress = nullptr;
  destroy = nullptr;
}

GzipModule::~GzipModule() {
  if (library_) dlclose(library_);
}

GzipModuleState gzipModuleState() {
  std::error_code ignored;
  if (!std::filesystem::exists(moduleFile(kModuleName), ignored)) return GzipModuleState::Missing;
  return GzipModule().usable() ? GzipModuleState::Usable : GzipModuleState::Unloadable;
}

bool gzipModulePresent() {
  return gzipModuleState() == GzipModuleState::Usable;
}

}  // namespace zorvqi
