// The mail-sending facility: one SMTP conversation over libcurl, logging in with AUTH LOGIN.
//
// Contract:
// - `checkSmtpLogin` connects and logs in, then leaves: EHLO, STARTTLS when the server offers
//   it, AUTH LOGIN. `sendSmtpMail` does the same and then sends one mail (MAIL FROM, one RCPT
//   TO, DATA) in the same transfer. Port 465 is spoken over TLS from the first byte.
// - The login must really happen: a server that offers no AUTH, or none that libcurl can use
//   for LOGIN, fails the connect, and nothing of the mail is sent. The server's replies are
//   read from libcurl's protocol trace; the credentials it sends are never kept.
// - Certificates are checked against the machine's CA store, or against `certificateFile`
//   (PEM) when it is set; a certificate that fails the check fails the connect.
// - Outcome: `ConnectFailed` for anything before MAIL FROM (connection, TLS, no AUTH, login
//   refused, time-out), `Refused` for anything after it. `cause` says why: the server's last
//   reply ("535 5.7.8 ...", "550 5.1.1 ...") when it refused, else libcurl's reason. For a
//   refusal the cause is the text the status line shows.
// - Limits: 15 s to connect and log in, 60 s for the whole conversation. The transfer ends
//   within about a second when the calling thread's cancel flag is set or the program stops.
// Thread safety: each call uses its own libcurl handle; calls on different threads are
// independent.
#pragma once

#include <chrono>
#include <string>

namespace zorvqi {

struct SmtpServer {
  std::string host;
  int port = 25;
  std::string certificateFile;  // empty: the machine's CA store
};

struct SmtpLogin {
  std::string name;
  std::string password;
};

struct SmtpLimits {
  std::chrono::milliseconds connectTimeout{15000};
  std::chrono::milliseconds totalTimeout{60000};
};

enum class SmtpOutcome { Done, ConnectFailed, Refused };

struct SmtpResult {
  SmtpOutcome outcome = SmtpOutcome::ConnectFailed;
  std::string cause;  // empty when done
};

struct SmtpEnvelope {
  std::string from;
  std::string to;
  std::string message;  // the whole mail, headers and body, lines ended by "\r\n"
};

SmtpResult checkSmtpLogin(const SmtpServer& server, const SmtpLogin& login, const SmtpLimits& limits = {});
SmtpResult sendSmtpMail(const SmtpServer& server, const SmtpLogin& login, const SmtpEnvelope& mail,
                        const SmtpLimits& limits = {});

// "smtp://host:port", or "smtps://host:465"; an IPv6 host is put in brackets.
std::string smtpUrl(const SmtpServer& server);

}  // namespace zorvqi
