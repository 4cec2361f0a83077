#include "fetch/gunzip_body.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

#include "base/program_dir.h"
#include "fetch/gzip_module_api.h"

namespace zorvqi {
namespace {

constexpr std::size_t kPieceBytes = 8192;
constexpr char kModuleName[] = "gzip.dll";

// The module, loaded for one decompression and unloaded after it.
class LoadedModule {
 public:
  LoadedModule() : library_(dlopen(programFile(kModuleName).c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (!library_) return;
    init = reinterpret_cast<InitDecompressionFn>(dlsym(library_, "InitDecompression"));
    create = reinterpret_cast<CreateDecompressionFn>(dlsym(library_, "CreateDecompression"));
    decompress = reinterpret_cast<DecompressFn>(dlsym(library_, "Decompress"));
    destroy = reinterpret_cast<DestroyDecompressionFn>(dlsym(library_, "DestroyDecompression"));
  }
  ~LoadedModule() {
    if (library_) dlclose(library_);
  }
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  bool usable() const { return init && create && decompress && destroy; }

  // The module's entries; null when it is missing or lacks one.
  InitDecompressionFn init = nullptr;
  CreateDecompressionFn create = nullptr;
  DecompressFn decompress = nullptr;
  DestroyDecompressionFn destroy = nullptr;

 private:
  void* library_;
};

std::string inflatePieces(const LoadedModule& module, void* context, std::string_view body,
                          std::size_t maxOutputBytes) {
  std::string output;
  unsigned char buffer[kPieceBytes];
  std::size_t used = 0;
  while (output.size() < maxOutputBytes) {
    const std::size_t pieceLength = std::min(kPieceBytes, body.size() - used);
    int consumed = 0;
    int produced = 0;
    const int result = module.decompress(context, reinterpret_cast<const unsigned char*>(body.data() + used),
                                         static_cast<int>(pieceLength), buffer, static_cast<int>(kPieceBytes),
                                         &consumed, &produced);
    const std::size_t keep =
        std::min(static_cast<std::size_t>(std::max(produced, 0)), maxOutputBytes - output.size());
    output.append(reinterpret_cast<const char*>(buffer), keep);
    used += std::clamp(static_cast<std::size_t>(std::max(consumed, 0)), std::size_t{0}, pieceLength);
    if (result != kDecompressGoOn || (consumed <= 0 && produced <= 0)) break;
  }
  return output;
}

}  // namespace

bool gzipModulePresent() {
  std::error_code ignored;
  return std::filesystem::exists(programFile(kModuleName), ignored);
}

std::string gunzipBody(std::string_view body, std::size_t maxOutputBytes) {
  LoadedModule module;
  if (!module.usable()) return {};
  module.init();
  void* context = nullptr;
  if (module.create(&context, kDecompressFlagsGzipOrZlib) != kDecompressGoOn || !context) return {};
  std::string output = inflatePieces(module, context, body, maxOutputBytes);
  module.destroy(context);
  return output;
}

}  // namespace zorvqi
