// What the JScript engine makes of a title: the body of a single-quoted string literal, read
// as JScript reads it, and JScript's `unescape`. Both work on UTF-16 code units.
//
// Contract:
// - `evaluateStringLiteralBody` resolves the escapes of an ECMAScript 3 string literal as
//   JScript reads them: \b \t \n \f \r \" \' \\ ; "\v" gives the letter v (JScript has no
//   vertical-tab escape); \xHH; \uHHHH; legacy octal escapes (\0 to \377: a first digit 0-3
//   takes up to two more octal digits, 4-7 up to one more); a backslash before a line feed, a
//   carriage return or CR LF continues the line and gives nothing; a backslash before any
//   other unit gives that unit. It fails (nothing) on a raw line feed or carriage return, a
//   final lone backslash, or a \x or \u not followed by 2 or 4 hexadecimal digits. Any other
//   unit, the quote characters included, stands for itself.
// - `jsUnescape` is the `unescape` of ECMAScript Annex B: "%uHHHH" gives that unit, "%HH"
//   the unit of that value, and every other unit, a "%" without its digits included, is
//   kept. Hexadecimal digits are ASCII, in either case.
// Thread safety: pure functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvqi {

std::optional<std::u16string> evaluateStringLiteralBody(std::u16string_view body);
std::u16string jsUnescape(std::u16string_view text);

}  // namespace zorvqi
