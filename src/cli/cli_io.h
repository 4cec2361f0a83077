// Input and output of the headless program.
//
// Contract: arguments arrive as UTF-8 and become GBK, everything printed is UTF-8, tables
// are TSV with TAB, CR, LF and backslash escaped. Thread safety: call from the program's
// main thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvqi::cli {

std::string argToGbk(std::string_view utf8);

// The TSV form of one cell (given in UTF-8): "\t", "\r", "\n" and "\\" escaped.
std::string tsvCell(std::string_view utf8);
// Prints one row of GBK cells as a TSV line on standard output.
void printRow(const std::vector<std::string>& gbkCells);
// Prints a GBK text as UTF-8 on standard output, followed by a line feed.
void printLine(std::string_view gbk);
// Prints a GBK message as UTF-8 on standard error, followed by a line feed.
void printError(std::string_view gbk);

// The whole content of FILE, or of standard input for "" and "-"; nothing when unreadable.
std::optional<std::string> readInput(const std::string& file);

}  // namespace zorvqi::cli
