// A QR code drawn as an inline SVG element.
//
// Contract: `qrCodeSvg(data)` encodes the bytes of `data` as one 8-bit QR segment (error
// correction level M, the smallest version that holds them) and returns an <svg> element
// with a four-module quiet zone, `pixels` wide and high. It returns nothing when `data` is
// empty or too long for any QR version. Thread safety: may be called from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvqi {

std::optional<std::string> qrCodeSvg(std::string_view data, int pixels = 240);

}  // namespace zorvqi
