#!/usr/bin/python3
"""A real SMTP server on 127.0.0.1 for the mail tests (aiosmtpd).

Usage: smtp_server.py DIR [--user U --password P] [--no-auth] [--starttls]
                          [--refuse-rcpt ADDRESS] [--silent]

Writes DIR/port once it listens. Every mail it accepts becomes a folder DIR/mail-N holding
`envelope` (sender, then one recipient a line), `raw` (the message as received), `subject`
(the Subject header decoded, UTF-8) and `body` (the decoded body bytes). DIR/events gets a line
per login attempt: "auth MECHANISM LOGIN ok|refused tls|plain". With --starttls it offers
STARTTLS with a self-signed certificate for 127.0.0.1 (DIR/cert.pem) and AUTH only after it.
--silent accepts connections and never answers. Runs until it is killed.
"""
import argparse
import email
import email.header
import email.policy
import os
import socket
import ssl
import subprocess
import threading
import time

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

args = argparse.ArgumentParser()
args.add_argument("dir")
args.add_argument("--user", default="me")
args.add_argument("--password", default="secret")
args.add_argument("--no-auth", action="store_true")
args.add_argument("--starttls", action="store_true")
args.add_argument("--refuse-rcpt", default="")
args.add_argument("--silent", action="store_true")
options = args.parse_args()
lock = threading.Lock()
count = 0


def write(name, data):
    with open(os.path.join(options.dir, name), "wb") as f:
        f.write(data)


def publish_port(port):
    write("port.tmp", str(port).encode())
    os.rename(os.path.join(options.dir, "port.tmp"), os.path.join(options.dir, "port"))


def log_event(line):
    with lock, open(os.path.join(options.dir, "events"), "a") as f:
        f.write(line + "\n")


def free_port():
    # Controller cannot listen on port 0: take a free port and hand it over.
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


class Handler:
    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address == options.refuse_rcpt:
            return "550 5.1.1 <%s>: Recipient address rejected" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        global count
        raw = envelope.original_content
        message = email.message_from_bytes(raw, policy=email.policy.compat32)
        subject = str(email.header.make_header(email.header.decode_header(message["Subject"] or "")))
        with lock:
            count += 1
            number = count
        folder = os.path.join(options.dir, "mail-%d.tmp" % number)
        os.mkdir(folder)
        for name, data in (
            ("envelope", "\n".join([envelope.mail_from] + envelope.rcpt_tos).encode()),
            ("raw", raw),
            ("subject", subject.encode("utf-8")),
            ("body", message.get_payload(decode=True) or b""),
        ):
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
        os.rename(folder, os.path.join(options.dir, "mail-%d" % number))
        return "250 OK"


def authenticator(server, session, envelope, mechanism, auth_data):
    ok = (isinstance(auth_data, LoginPassword) and auth_data.login.decode() == options.user
          and auth_data.password.decode() == options.password)
    secure = "tls" if session.ssl else "plain"
    log_event("auth %s %s %s %s" % (mechanism, auth_data.login.decode(), "ok" if ok else "refused", secure))
    # handled=False lets the server answer 535 itself; with the default it never answers.
    return AuthResult(success=ok, handled=False)


def tls_context():
    cert = os.path.join(options.dir, "cert.pem")
    key = os.path.join(options.dir, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=127.0.0.1",
                    "-addext", "subjectAltName=IP:127.0.0.1"], check=True, capture_output=True)
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert, key)
    return context


def run_silent():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    publish_port(listener.getsockname()[1])
    held = []
    while True:
        held.append(listener.accept()[0])


def main():
    if options.silent:
        run_silent()
        return
    settings = {}
    if not options.no_auth:
        settings.update(authenticator=authenticator, auth_require_tls=options.starttls)
    if options.starttls:
        settings.update(tls_context=tls_context())
    port = free_port()
    controller = Controller(Handler(), hostname="127.0.0.1", port=port, **settings)
    controller.start()
    publish_port(port)
    while True:
        time.sleep(3600)


main()
