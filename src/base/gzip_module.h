// The decompression module gzip.dll in the module directory: whether it is there, whether
// it loads, and its entries.
//
// Contract: `GzipModule` loads moduleFile("gzip.dll") with dlopen when it is made and
// unloads it when it goes; it is `usable` only when the library loaded and exports all four
// entries of gzip_module_api.h. `gzipModuleState` makes that test once per call: `Missing`
// when no such file exists, `Unloadable` when the file exists but does not load or lacks an
// entry (it then counts as missing everywhere), `Usable` otherwise. `gzipModulePresent` is
// the state being `Usable`. kGzipModuleUnloadableMessage (GBK) is the status line that says
// an unloadable module is taken as missing. Thread safety: any number of modules may be
// loaded at once from any threads; each object belongs to one thread at a time.
#pragma once

#include "base/gzip_module_api.h"

namespace zorvqi {

class GzipModule {
 public:
  GzipModule();
  ~GzipModule();
  GzipModule(const GzipModule&) = delete;
  GzipModule& operator=(const GzipModule&) = delete;

  bool usable() const { return init && create && decompress && destroy; }

  // The module's entries; all null unless the library loaded with every one of them.
  InitDecompressionFn init = nullptr;
  CreateDecompressionFn create = nullptr;
  DecompressFn decompress = nullptr;
  DestroyDecompressionFn destroy = nullptr;

 private:
  void* library_ = nullptr;
};

enum class GzipModuleState { Missing, Unloadable, Usable };

GzipModuleState gzipModuleState();
bool gzipModulePresent();

extern const char* const kGzipModuleUnloadableMessage;

}  // namespace zorvqi
