#!/usr/bin/env python3
"""A local stand-in for the company's report page, for tests and the demo.

Listens on 127.0.0.1 (port 0 picks a free one), answers every GET with a
small HTML page whose <title> is given on the command line, and appends each
request line, byte for byte as received, to a log file. Once listening it
writes "127.0.0.1:PORT" to --address-file (atomically), so a caller can wait
for that file. Ends on SIGTERM or SIGINT.

  report_server.py --title "Velmora 报修" --log requests.log --address-file address [--delay 3]
"""
import argparse
import html
import os
import signal
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def make_handler(title, log_path, lock, delay):
    page = ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
            "<title>%s</title></head>\n<body><p>%s</p></body></html>\n"
            % (html.escape(title), html.escape(title))).encode("utf-8")

    class Handler(BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def record(self):
            # http.server decodes the request line as ISO-8859-1: encoding it
            # back gives the bytes that came over the wire.
            with lock, open(log_path, "ab") as log:
                log.write(self.requestline.encode("iso-8859-1") + b"\n")

        def do_GET(self):
            self.record()
            if delay > 0:
                time.sleep(delay)  # a slow server: the page keeps loading meanwhile
            self.send_response(200)
            self.send_header("Content-Type", "text/html; charset=utf-8")
            self.send_header("Content-Length", str(len(page)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            self.wfile.write(page)

        def do_HEAD(self):
            self.record()
            self.send_response(200)
            self.send_header("Content-Type", "text/html; charset=utf-8")
            self.send_header("Content-Length", str(len(page)))
            self.end_headers()

        def log_message(self, *args):
            pass

    return Handler


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--title", required=True, help="text of the page's <title>")
    parser.add_argument("--log", required=True, help="file that receives every request line")
    parser.add_argument("--port", type=int, default=0, help="port to listen on (0: any free one)")
    parser.add_argument("--address-file", help="where to write HOST:PORT once listening")
    parser.add_argument("--delay", type=float, default=0, help="seconds to wait before answering a GET")
    args = parser.parse_args()

    open(args.log, "ab").close()
    server = ThreadingHTTPServer(("127.0.0.1", args.port), make_handler(args.title, args.log, threading.Lock(), args.delay))
    server.daemon_threads = True
    address = "127.0.0.1:%d" % server.server_address[1]
    if args.address_file:
        partial = args.address_file + ".partial"
        with open(partial, "w") as f:
            f.write(address + "\n")
        os.replace(partial, args.address_file)

    def stop(signum, frame):
        threading.Thread(target=server.shutdown, daemon=True).start()

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
