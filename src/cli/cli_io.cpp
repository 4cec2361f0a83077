#include "cli/cli_io.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#include "text/charset.h"

namespace zorvqi::cli {

std::string argToGbk(std::string_view utf8) {
  return utf8ToGbk(utf8);
}

std::string tsvCell(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

void printRow(const std::vector<std::string>& gbkCells) {
  std::string line;
  for (std::size_t i = 0; i < gbkCells.size(); ++i) {
    if (i) line.push_back('\t');
    line += tsvCell(gbkToUtf8(gbkCells[i]));
  }
  line.push_back('\n');
  std::fwrite(line.data(), 1, line.size(), stdout);
}

void printLine(std::string_view gbk) {
  std::string line = gbkToUtf8(gbk);
  line.push_back('\n');
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

void printError(std::string_view gbk) {
  std::string line = gbkToUtf8(gbk);
  line.push_back('\n');
  std::fwrite(line.data(), 1, line.size(), stderr);
}

std::optional<std::string> readInput(const std::string& file) {
  if (file.empty() || file == "-") {
    return std::string(std::istreambuf_iterator<char>(std::cin), {});
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace zorvqi::cli
