// A real SMTP server on loopback for the mail tests: aiosmtpd, run by /usr/bin/python3 from
// tests/support/smtp_server.py, in a process of its own.
//
// Contract: the constructor starts the server and waits (at most 20 s) until it listens on a
// free port of 127.0.0.1; `started` says whether it did. It logs in `user`/`password` with
// AUTH LOGIN or PLAIN, or offers no AUTH at all (`offerAuth` false); with `startTls` it offers
// STARTTLS with a certificate for 127.0.0.1 made at start (`certificateFile`) and AUTH only
// over TLS; it refuses `refuseRecipient` with a 550; a `silent` server accepts connections
// and never answers. `received` lists the mails it accepted, in order, as it stored them
// (the subject decoded by Python's email package); `events` the login attempts, one line
// each ("auth LOGIN me ok tls"). The destructor kills the server.
// Thread safety: one test thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zorvqi::testing {

struct SmtpServerOptions {
  bool offerAuth = true;
  bool startTls = false;
  bool silent = false;
  std::string user = "me";
  std::string password = "secret";
  std::string refuseRecipient = "";
};

struct ReceivedMail {
  std::string from;
  std::vector<std::string> to;
  std::string raw;
  std::string subject;  // UTF-8
  std::string body;     // the decoded body bytes
};

class LoopbackSmtpServer {
 public:
  explicit LoopbackSmtpServer(SmtpServerOptions options = {});
  ~LoopbackSmtpServer();
  LoopbackSmtpServer(const LoopbackSmtpServer&) = delete;
  LoopbackSmtpServer& operator=(const LoopbackSmtpServer&) = delete;

  bool started() const;
  int port() const;
  // "127.0.0.1:PORT", as the "发件服务器地址" setting takes it.
  std::string address() const;
  std::string certificateFile() const;
  std::vector<ReceivedMail> received() const;
  std::vector<std::string> events() const;
  // What the server printed (its errors), for a failure message.
  std::string log() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace zorvqi::testing
