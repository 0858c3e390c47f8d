#!/usr/bin/env python3
"""A plain-HTTP forward proxy on loopback that writes every request it forwards to a log.

Usage: logging_proxy.py PORT LOG_FILE

Each forwarded request adds the line "<METHOD> <absolute URL> -> <status>" to LOG_FILE.
Only http:// targets on loopback addresses are forwarded; anything else gets 403. It stops
by itself after ten idle minutes.
"""
import http.client
import http.server
import sys
import threading
import urllib.parse

IDLE_LIMIT_S = 600
LOOPBACK_HOSTS = {"127.0.0.1", "localhost", "::1"}


class ProxyHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def _forward(self):
        self.server.touch()
        target = urllib.parse.urlsplit(self.path)
        if target.scheme != "http" or target.hostname not in LOOPBACK_HOSTS:
            self.send_error(403, "only loopback http targets")
            return
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else None
        headers = {k: v for k, v in self.headers.items()
                   if k.lower() not in ("proxy-connection", "connection", "keep-alive")}
        path = target.path or "/"
        if target.query:
            path += "?" + target.query
        try:
            upstream = http.client.HTTPConnection(target.hostname, target.port or 80, timeout=60)
            upstream.request(self.command, path, body=body, headers=headers)
            reply = upstream.getresponse()
            data = reply.read()
        except OSError as error:
            self.server.log(f"{self.command} {self.path} -> failed: {error}")
            self.send_error(502)
            return
        self.server.log(f"{self.command} {self.path} -> {reply.status}")
        self.send_response(reply.status)
        for key, value in reply.getheaders():
            if key.lower() not in ("connection", "keep-alive", "transfer-encoding",
                                   "content-length"):
                self.send_header(key, value)
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(data)

    do_GET = _forward
    do_POST = _forward
    do_HEAD = _forward


class LoggingProxy(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, port, log_path):
        super().__init__(("127.0.0.1", port), ProxyHandler)
        self.log_path = log_path
        self.lock = threading.Lock()
        self.idle = threading.Event()

    def touch(self):
        self.idle.set()

    def log(self, line):
        with self.lock, open(self.log_path, "a", encoding="utf-8") as log:
            log.write(line + "\n")


def main():
    proxy = LoggingProxy(int(sys.argv[1]), sys.argv[2])

    def stop_when_idle():
        while proxy.idle.wait(IDLE_LIMIT_S):
            proxy.idle.clear()
        proxy.shutdown()

    threading.Thread(target=stop_when_idle, daemon=True).start()
    proxy.serve_forever()


if __name__ == "__main__":
    main()
