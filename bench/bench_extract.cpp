// Speed of the extraction steps on list pages of the sizes plans meet: normalising a 1 MB and
// a 16 MB page, and matching a typical list rule over a 1 MB page of 1,000 items.
#include <benchmark/benchmark.h>

#include <string>

#include "extract/find_matches.h"
#include "extract/normalise_source.h"

namespace {

// One list item of about 1 KB as sites write them: indented markup over several lines, an
// entity or two, a quoted attribute, Chinese text.
std::string listItem(int n) {
  const std::string id = std::to_string(n);
  std::string item;
  for (const std::string& piece :
       {std::string("\r\n    <li><a href=\"/news/2024/"), id, std::string(".htm\" title='新闻 "), id,
        std::string("'>关于&quot;"), id, std::string("&quot;号文件的通知</a><span>"), id,
        std::string("</span></li>\r\n")}) {
    item += piece;
  }
  item += "    <div class=\"summary\">\r\n\t\t";
  while (item.size() < 1000) item += "摘要文字 summary text &lt;b&gt; 100&#37; ";
  item += "\r\n    </div>";
  return item;
}

std::string listPage(std::size_t bytes) {
  std::string page = "<html><head><title>列表</title></head><body><ul>";
  for (int n = 0; page.size() < bytes; ++n) page += listItem(n);
  page += "</ul></body></html>";
  return page;
}

void normaliseBench(benchmark::State& state) {
  const std::string page = listPage(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(zorvqi::normaliseSource(page));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
}
BENCHMARK(normaliseBench)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);

void findMatchesBench(benchmark::State& state) {
  const std::string page = zorvqi::normaliseSource(listPage(1 << 20));
  // <li><a href="[var]"[var0]>[var]</a><span>[int]</span></li>
  const std::string rule = "<li><a href=\"(.*?)\".*?>(.*?)</a><span>(\\d*)</span></li>";
  std::size_t found = 0;
  for (auto _ : state) {
    const auto matches = zorvqi::findMatches(rule, page);
    found = matches.size();
    benchmark::DoNotOptimize(matches.data());
  }
  state.counters["matches"] = static_cast<double>(found);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
}
BENCHMARK(findMatchesBench)->Unit(benchmark::kMillisecond);

// How long a rule that backtracks without end takes to be given up on.
void abandonedRuleBench(benchmark::State& state) {
  const std::string page = zorvqi::normaliseSource(listPage(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state)
    benchmark::DoNotOptimize(zorvqi::searchMatches("<li>(.*?)(.*?)(.*?)(.*?)zzz", page).status);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
}
BENCHMARK(abandonedRuleBench)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
