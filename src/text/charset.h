// Conversion between GBK (code page 936), UTF-8 and UTF-16.
//
// Contract: the mapping is the one of Windows code page 936 (the euro sign at 0x80
// included), taken from glibc's CP936 tables once per process. Converting to GBK never
// fails: every character GBK cannot hold becomes "?", one per code point. Reading UTF-8 is
// lenient: each invalid sequence (its maximal valid prefix, as the WHATWG decoder takes it)
// reads as U+FFFD, which GBK lacks, so it becomes "?". Reading GBK turns a byte pair it does
// not know into U+FFFD as well. Zero bytes and U+0000 pass through unchanged.
// Thread safety: all functions may be called from any thread.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

std::string gbkToUtf8(std::string_view gbk);
std::string utf8ToGbk(std::string_view utf8);

std::u16string gbkToUtf16(std::string_view gbk);
std::u16string utf8ToUtf16(std::string_view utf8);
// Surrogate pairs are read as one code point; a lone surrogate reads as U+FFFD.
std::string utf16ToGbk(std::u16string_view utf16);
std::string utf16ToUtf8(std::u16string_view utf16);

// Appends the GBK form of one code point ("?" when GBK lacks it).
void appendGbk(std::string& out, char32_t codePoint);
// Appends the UTF-8 form of one code point (U+FFFD for a surrogate or a value past U+10FFFF).
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace zorvqi
