#include "demo_site.h"

#include <httplib.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "text/charset.h"

namespace zorvqi::demo {
namespace {

constexpr long long kFirstId = 1001;

const char* const kSubjects[] = {
    "本周版务公告与新人须知",     "求助：路由器频繁掉线怎么办", "分享一款好用的笔记软件",
    "周末骑行路线推荐（附地图）", "二手显示器转让，九成新",     "关于论坛积分规则的调整",
    "新手如何入门摄影",           "家常红烧肉的做法",           "招聘：前端开发工程师",
    "旧书交换活动开始报名",
};

struct Article {
  long long id;
  std::string title;  // GBK
};

// A navigation block of links to the forum's boards, indented and spread over lines as sites
// write them, grown to about `bytes`. Empty for 0.
std::string navigationBlock(std::size_t bytes) {
  if (bytes == 0) return {};
  std::string block = "\n  <div id=\"nav\">";
  for (int board = 1; block.size() < bytes; ++board) {
    const std::string number = std::to_string(board);
    block += "\n    <a class=\"board\" href=\"/forum/list.php?fid=" + number + "\" title=\"版块 " + number +
             "\">\n      版块" + number + " 讨论区 &amp; 资源\n    </a>";
  }
  return block + "\n  </div>";
}

}  // namespace

struct DemoSite::State {
  DemoSiteOptions options;
  httplib::Server server;
  std::thread thread;
  int port = 0;
  std::chrono::steady_clock::time_point startedAt = std::chrono::steady_clock::now();

  mutable std::mutex mutex;
  std::condition_variable stopping;
  bool stopped = false;
  std::vector<Article> articles;  // oldest first
  int timedPublished = 0;
  std::string navigation;  // the padding before every list, built once

  void addArticles(int count) {
    for (int i = 0; i < count; ++i) {
      const long long id = kFirstId + static_cast<long long>(articles.size());
      const std::size_t subject = static_cast<std::size_t>(id) % std::size(kSubjects);
      articles.push_back({id, "第" + std::to_string(id) + "帖 " + kSubjects[subject]});
    }
  }

  // The articles a list shows, oldest first; those due by the publish interval appear when
  // someone looks.
  std::vector<Article> currentArticles() {
    std::lock_guard lock(mutex);
    if (options.publishInterval.count() > 0) {
      const auto elapsed = std::chrono::steady_clock::now() - startedAt;
      const int due = static_cast<int>(elapsed / options.publishInterval);
      if (due > timedPublished) {
        addArticles(due - timedPublished);
        timedPublished = due;
      }
    }
    const std::size_t limit = static_cast<std::size_t>(std::max(options.listLimit, 0));
    const std::size_t shown = limit > 0 ? std::min(articles.size(), limit) : articles.size();
    return std::vector<Article>(articles.end() - static_cast<std::ptrdiff_t>(shown), articles.end());
  }

  std::string listItems() {
    std::string items;
    const std::vector<Article> list = currentArticles();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
      const std::string id = std::to_string(it->id);
      items += "\n    <li><a href=\"/thread.php?tid=" + id + "\">" + it->title + "</a><span>" + id +
               "</span></li>";
    }
    return items;
  }

  std::string listPage(const std::string& heading) {
    return "<html>\n<head><meta charset=\"gbk\"><title>" + heading + "</title></head>\n<body>\n  <h1>" +
           heading + "</h1>" + navigation + "\n  <ul id=\"list\">" + listItems() +
           "\n  </ul>\n  <div id=\"foot\">演示站点 &lt;zorvqi&gt; "
           "&quot;每隔一段时间发布新帖&quot;</div>\n</body>\n</html>\n";
  }

  void send(httplib::Response& res, const std::string& body, bool gbk) {
    const std::string type = gbk ? "text/html; charset=gbk" : "text/html; charset=utf-8";
    // cpp-httplib compresses text answers itself when the request accepts gzip.
    res.set_content(gbk ? body : gbkToUtf8(body), type.c_str());
  }

  void routes() {
    server.Get("/forum/list.php", [this](const httplib::Request&, httplib::Response& res) {
      send(res, listPage("演示论坛"), true);
    });
    server.Get("/news/list.html", [this](const httplib::Request&, httplib::Response& res) {
      std::string page = listPage("演示新闻");
      page.replace(page.find("charset=\"gbk\""), 13, "charset=\"utf-8\"");
      send(res, page, false);
    });
    server.Get("/member/list.php", [this](const httplib::Request& req, httplib::Response& res) {
      const bool loggedIn = req.get_header_value("Cookie").find("sid=demo") != std::string::npos;
      send(res, loggedIn ? listPage("会员专区") : std::string("<html><body>请先登录</body></html>"), true);
    });
    server.Post("/api/list", [this](const httplib::Request&, httplib::Response& res) {
      send(res, listPage("接口列表"), true);
    });
    server.Get("/api/list", [](const httplib::Request&, httplib::Response& res) { res.status = 405; });
    server.Get("/slow/list.php", [this](const httplib::Request&, httplib::Response& res) {
      std::unique_lock lock(mutex);
      stopping.wait_for(lock, options.slowDelay, [this] { return stopped; });
      lock.unlock();
      send(res, listPage("慢速页面"), true);
    });
    server.Get("/changed/list.php", [this](const httplib::Request&, httplib::Response& res) {
      send(res, "<html><body><div class=\"new-layout\">" + listItems() + "</div></body></html>", true);
    });
    server.Get("/thread.php", [this](const httplib::Request& req, httplib::Response& res) {
      send(res, "<html><body><h1>帖子 " + req.get_param_value("tid") + "</h1></body></html>", true);
    });
  }
};

DemoSite::DemoSite(DemoSiteOptions options) : state_(std::make_unique<State>()) {
  state_->options = options;
  state_->navigation = navigationBlock(options.padding);
  state_->addArticles(options.initialArticles);
  state_->routes();
}

DemoSite::~DemoSite() {
  stop();
}

bool DemoSite::start() {
  State& s = *state_;
  s.port = s.options.port > 0 ? (s.server.bind_to_port("127.0.0.1", s.options.port) ? s.options.port : -1)
                              : s.server.bind_to_any_port("127.0.0.1");
  if (s.port <= 0) return false;
  s.startedAt = std::chrono::steady_clock::now();
  s.thread = std::thread([&s] { s.server.listen_after_bind(); });
  return true;
}

void DemoSite::stop() {
  State& s = *state_;
  {
    std::lock_guard lock(s.mutex);
    s.stopped = true;
  }
  s.stopping.notify_all();
  s.server.stop();
  if (s.thread.joinable()) s.thread.join();
}

int DemoSite::port() const {
  return state_->port;
}

std::string DemoSite::baseUrl() const {
  return "http://127.0.0.1:" + std::to_string(state_->port);
}

void DemoSite::publish(int count) {
  std::lock_guard lock(state_->mutex);
  state_->addArticles(count);
}

long long DemoSite::newestId() const {
  std::lock_guard lock(state_->mutex);
  return state_->articles.empty() ? 0 : state_->articles.back().id;
}

int DemoSite::articleCount() const {
  std::lock_guard lock(state_->mutex);
  return static_cast<int>(state_->articles.size());
}

}  // namespace zorvqi::demo
