// libFuzzer target: decodeText on any mode byte and any text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/decode_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int mode = static_cast<int>(data[0] % 6) - 1;  // -1 to 4: the valid modes and two others
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string decoded = zorvqi::decodeText(mode, text);

  if (mode == zorvqi::kDecodeNone && decoded != text) std::abort();
  if ((mode < 0 || mode > 3) && !decoded.empty()) std::abort();
  // Decoding ends the text at the first zero it produces; a title that comes back undecoded
  // is the one exception.
  if (mode >= 1 && mode <= 3 && decoded != text && decoded.find('\0') != std::string::npos) std::abort();
  // Percent scans never grow the text: three characters become one byte, and no UTF-8
  // sequence is shorter than the GBK character or "?" it turns into.
  if ((mode == 2 || mode == 3) && decoded.size() > text.size()) std::abort();
  return 0;
}
