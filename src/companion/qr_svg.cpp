#include "companion/qr_svg.h"

#include <qrencode.h>

#include <memory>

namespace zorvqi {

namespace {

constexpr int kQuietZone = 4;

struct QrCodeFree {
  void operator()(QRcode* code) const { QRcode_free(code); }
};
using QrCodePtr = std::unique_ptr<QRcode, QrCodeFree>;

bool isDark(const QRcode& code, int x, int y) {
  return (code.data[y * code.width + x] & 1) != 0;
}

// One path for all dark modules, each horizontal run of them one rectangle.
std::string darkModulesPath(const QRcode& code) {
  std::string d;
  for (int y = 0; y < code.width; ++y) {
    int x = 0;
    while (x < code.width) {
      if (!isDark(code, x, y)) {
        ++x;
        continue;
      }
      const int runStart = x;
      while (x < code.width && isDark(code, x, y)) ++x;
      const int run = x - runStart;
      d += "M" + std::to_string(runStart + kQuietZone) + " " + std::to_string(y + kQuietZone) + "h" +
           std::to_string(run) + "v1h-" + std::to_string(run) + "z";
    }
  }
  return d;
}

}  // namespace

std::optional<std::string> qrCodeSvg(std::string_view data, int pixels) {
  if (data.empty()) return std::nullopt;
  QrCodePtr code(QRcode_encodeData(static_cast<int>(data.size()),
                                   reinterpret_cast<const unsigned char*>(data.data()), 0, QR_ECLEVEL_M));
  if (!code) return std::nullopt;
  const std::string side = std::to_string(code->width + 2 * kQuietZone);
  const std::string size = std::to_string(pixels);
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" + size +
         "\" viewBox=\"0 0 " + side + " " + side + "\" shape-rendering=\"crispEdges\">" + "<rect width=\"" +
         side + "\" height=\"" + side + "\" fill=\"#fff\"/>" + "<path fill=\"#000\" d=\"" +
         darkModulesPath(*code) + "\"/></svg>";
}

}  // namespace zorvqi
