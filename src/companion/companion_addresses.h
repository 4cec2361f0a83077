// Where the companion web service's pages live and the queries the system asks them with.
//
// Contract: an address is the service's base address ("http://127.0.0.1:PORT", see
// companion_service.h) + path + "?" + query. The news page queries carry the product code,
// the program version and the system name; the QR-code page takes an already percent-encoded
// value. Thread safety: constants and pure functions.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

inline constexpr std::string_view kNewsPagePath = "/zt/softnews.php";
inline constexpr std::string_view kQrPagePath = "/zt/soft/qr.php";

// The news page query at start-up and the one of the mini home page button.
inline constexpr std::string_view kStartupNewsQuery = "n=zorvqi&v=2.5&s=win10&m=";
inline constexpr std::string_view kMiniHomeNewsQuery = "n=zorvqi&v=2.5&s=win10";

// The program version the news page speaks of.
inline constexpr std::string_view kProgramVersion = "2.5";

std::string newsPageAddress(std::string_view base, std::string_view query);
// `encodedValue` is the article address as urlEncode gives it (both switches on).
std::string qrPageAddress(std::string_view base, std::string_view encodedValue);

}  // namespace zorvqi
