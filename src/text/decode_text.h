// The title decodings a plan can ask for.
//
// Contract: `decodeText(mode, text)` takes and gives GBK text and never fails.
// - kDecodeNone gives the text unchanged.
// - kDecodeUnicodeEscapes reads the text as JScript would read it between single quotes and
//   then unescapes it ("\u4e2d", "%u4e2d", "\x41", "\/" and the like; jscript_string.h). Line
//   breaks written as CR LF survive; a text that is not a valid literal body (a raw lone CR or
//   LF, a final lone backslash, a malformed \x or \u), or that would decode to nothing, comes
//   back as it was given; only a text that is empty once a leading CR is dropped gives "".
// - kDecodePercentUtf8 and kDecodePercentGbk turn every "%HH" (digits in either case) into
//   the byte HH and read the bytes as UTF-8 or GBK; "+" stays "+". A "%" without two
//   hexadecimal digits after it is kept as it is, and the scan goes on right after it.
// The decoded text ends at the first U+0000 (or zero byte) that decoding produces, and every
// character GBK lacks becomes "?" (a character beyond U+FFFF gives one "?").
// Any other mode gives the empty text.
// Thread safety: pure function; callable from any thread.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

// The values stored in column `tcode` ("" reads as kDecodeNone).
enum DecodeMode : int {
  kDecodeNone = 0,
  kDecodeUnicodeEscapes = 1,
  kDecodePercentUtf8 = 2,
  kDecodePercentGbk = 3,
};

std::string decodeText(int mode, std::string_view text);

}  // namespace zorvqi
