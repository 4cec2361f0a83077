#include "support/smtp_server.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "support/temp_dir.h"

extern char** environ;

namespace zorvqi::testing {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> serverArguments(const std::string& dir, const SmtpServerOptions& o) {
  std::vector<std::string> words = {"/usr/bin/python3",
                                    std::string(ZORVQI_SOURCE_DIR) + "/tests/support/smtp_server.py",
                                    dir,
                                    "--user",
                                    o.user,
                                    "--password",
                                    o.password};
  if (!o.offerAuth) words.push_back("--no-auth");
  if (o.startTls) words.push_back("--starttls");
  if (o.silent) words.push_back("--silent");
  if (!o.refuseRecipient.empty()) {
    words.push_back("--refuse-rcpt");
    words.push_back(o.refuseRecipient);
  }
  return words;
}

}  // namespace

struct LoopbackSmtpServer::State {
  TempDir dir;
  pid_t pid = -1;
  int port = 0;
};

LoopbackSmtpServer::LoopbackSmtpServer(SmtpServerOptions options) : state_(std::make_unique<State>()) {
  std::vector<std::string> words = serverArguments(state_->dir.path().string(), options);
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // The server's own output (TLS handshakes it refused, say) goes to a file, not the test's.
  const std::string log = state_->dir.file("log");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  const int spawned = posix_spawn(&state_->pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    state_->pid = -1;
    return;
  }
  const auto portFile = state_->dir.path() / "port";
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    if (std::filesystem::exists(portFile)) {
      state_->port = std::stoi(readFileBytes(portFile));
      return;
    }
    int status = 0;
    if (waitpid(state_->pid, &status, WNOHANG) == state_->pid) {
      state_->pid = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

LoopbackSmtpServer::~LoopbackSmtpServer() {
  if (state_->pid <= 0) return;
  kill(state_->pid, SIGKILL);
  int status = 0;
  waitpid(state_->pid, &status, 0);
}

bool LoopbackSmtpServer::started() const {
  return state_->port > 0;
}

int LoopbackSmtpServer::port() const {
  return state_->port;
}

std::string LoopbackSmtpServer::address() const {
  return "127.0.0.1:" + std::to_string(state_->port);
}

std::string LoopbackSmtpServer::certificateFile() const {
  return state_->dir.file("cert.pem");
}

std::vector<ReceivedMail> LoopbackSmtpServer::received() const {
  std::vector<ReceivedMail> mails;
  for (int n = 1;; ++n) {
    const auto folder = state_->dir.path() / ("mail-" + std::to_string(n));
    if (!std::filesystem::is_directory(folder)) return mails;
    ReceivedMail mail;
    std::vector<std::string> envelope = linesOf(readFileBytes(folder / "envelope"));
    if (!envelope.empty()) {
      mail.from = envelope.front();
      mail.to.assign(envelope.begin() + 1, envelope.end());
    }
    mail.raw = readFileBytes(folder / "raw");
    mail.subject = readFileBytes(folder / "subject");
    mail.body = readFileBytes(folder / "body");
    mails.push_back(std::move(mail));
  }
}

std::vector<std::string> LoopbackSmtpServer::events() const {
  return linesOf(readFileBytes(state_->dir.path() / "events"));
}

}  // namespace zorvqi::testing

namespace zorvqi::testing {

std::string LoopbackSmtpServer::log() const {
  return readFileBytes(state_->dir.path() / "log");
}

}  // namespace zorvqi::testing
