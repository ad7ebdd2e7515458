#!/usr/bin/env python3
"""The update server's stand-in: an HTTP server on the loopback that serves a
folder laid out as the update server's ("software/KL_Vorn/...",
"software/KL_Vorn_System/...", "software/Receivers/list.txt", ...).

A folder asked for with a final "/" answers with an HTML listing whose file
entries are table cells holding a link whose target and text are the file's
name. A missing file answers 404.

Faults are read from the faults file at every request, one a line:
    404 <path>              answer 404 for <path> although the file is there
    cut <path> [<bytes>]    announce the whole file, send <bytes> of it (half
                            when not given) and close the connection
    slow <path> <ms>        send the file in 1 KiB pieces, <ms> apart
    stall <path> [<bytes>]  announce the whole file, send <bytes> of it (half
                            when not given), then nothing more while the
                            connection stays open
    trickle <path> <ms>     announce the whole file and send it one byte at a
                            time, <ms> apart, until the client goes
    endless <path> [<ms>]   answer 200 without a length and send listing
                            cells ("<td><a href="e1.bin">e1.bin</a></td>"...)
                            in 64 KiB pieces, <ms> apart (10 when not
                            given), until the client goes
    302 <path> [<target>]   answer 302 with a small page, pointing at
                            <target> ("/" when not given)
    nolength <path>         answer 200 without a length and send the file
                            as fast as the client takes it, then close the
                            connection
<path> is the request's path as sent ("/software/KL_Vorn/KLX32LinuxApp"); a
folder's too ("/software/Receivers/RX8/").

Every request is appended to the request log as one line, when its answer
starts: "GET <path> <status>" and, for a fault, " cut", " slow", " stall",
" trickle", " endless" or " nolength".
"""
import argparse
import html
import os
import signal
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

PIECE = 1024
ENDLESS_PIECE = 64 * 1024


class State:
    folder = "."
    log = None
    faults = None
    log_lock = threading.Lock()


def read_faults():
    found = {}
    if not State.faults:
        return found
    try:
        with open(State.faults, encoding="utf-8") as f:
            for line in f:
                words = line.split()
                if len(words) >= 2:
                    found[words[1]] = words[:1] + words[2:]
    except OSError:
        pass
    return found


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "VornUpdateServer/1.0"

    def log_message(self, format, *args):  # noqa: A002 - the base's name
        pass

    def note(self, status, extra=""):
        if not State.log:
            return
        with State.log_lock:
            with open(State.log, "a", encoding="utf-8") as f:
                f.write("GET %s %d%s\n" % (self.path, status, extra))

    def local_path(self):
        path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
        parts = [p for p in path.split("/") if p]
        if any(p in (".", "..") for p in parts):
            return None
        return os.path.join(State.folder, *parts)

    def answer(self, status, body, content_type="text/html; charset=utf-8", extra_headers=()):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in extra_headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def not_found(self):
        self.note(404)
        self.answer(404, b"<html><body><h1>404 Not Found</h1></body></html>\n")

    def listing(self, folder):
        names = sorted(n for n in os.listdir(folder) if os.path.isfile(os.path.join(folder, n)))
        shown = html.escape(urllib.parse.unquote(self.path))
        rows = ['<tr><td><a href="../">Parent Directory</a></td><td>-</td></tr>']
        for name in names:
            link = html.escape(name, quote=True)
            size = os.path.getsize(os.path.join(folder, name))
            rows.append('<tr><td><a href="%s">%s</a></td><td>%d</td></tr>' % (link, link, size))
        body = ("<!DOCTYPE html>\n<html><head><title>Index of %s</title></head><body>\n<h1>Index of %s</h1>\n"
                "<table>\n<tr><th>Name</th><th>Size</th></tr>\n%s\n</table>\n</body></html>\n"
                % (shown, shown, "\n".join(rows))).encode("utf-8")
        self.note(200)
        self.answer(200, body)

    def endless(self, pause_ms):
        self.note(200, " endless")
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True
        count = 0
        try:
            while True:
                piece = bytearray()
                while len(piece) < ENDLESS_PIECE:
                    count += 1
                    piece += b'<td><a href="e%d.bin">e%d.bin</a></td>\n' % (count, count)
                self.wfile.write(piece)
                self.wfile.flush()
                time.sleep(pause_ms / 1000.0)
        except OSError:
            pass

    def no_length(self, data):
        self.note(200, " nolength")
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True
        try:
            self.wfile.write(data)
        except OSError:
            pass

    def stall(self, data, sent):
        self.note(200, " stall")
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data[:sent])
        self.wfile.flush()
        self.close_connection = True
        # Nothing more: the connection stays until the client lets it go.
        try:
            while self.connection.recv(PIECE):
                pass
        except OSError:
            pass

    def do_GET(self):  # noqa: N802 - the base's name
        fault = read_faults().get(urllib.parse.urlsplit(self.path).path)
        local = self.local_path()
        if local is None or (fault and fault[0] == "404"):
            self.not_found()
            return
        if fault and fault[0] == "302":
            target = fault[1] if len(fault) > 1 else "/"
            self.note(302)
            self.answer(302, b"<html><body><h1>302 Found</h1></body></html>\n", extra_headers=[("Location", target)])
            return
        if fault and fault[0] == "endless":
            self.endless(int(fault[1]) if len(fault) > 1 else 10)
            return
        if os.path.isdir(local):
            if not self.path.endswith("/"):
                self.note(301)
                self.answer(301, b"", extra_headers=[("Location", self.path + "/")])
                return
            self.listing(local)
            return
        if not os.path.isfile(local):
            self.not_found()
            return
        with open(local, "rb") as f:
            data = f.read()
        kind = fault[0] if fault else ""
        if kind == "nolength":
            self.no_length(data)
            return
        if kind == "stall":
            self.stall(data, int(fault[1]) if len(fault) > 1 else len(data) // 2)
            return
        self.note(200, " " + kind if kind in ("cut", "slow", "trickle") else "")
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        if kind == "cut":
            sent = int(fault[1]) if len(fault) > 1 else len(data) // 2
            self.wfile.write(data[:sent])
            self.wfile.flush()
            # The rest never comes: the connection ends mid-file.
            self.close_connection = True
            try:
                self.connection.shutdown(2)
            except OSError:
                pass
            return
        if kind == "trickle":
            pause = (int(fault[1]) if len(fault) > 1 else 1000) / 1000.0
            try:
                for at in range(len(data)):
                    self.wfile.write(data[at:at + 1])
                    self.wfile.flush()
                    time.sleep(pause)
            except OSError:
                pass
            return
        if kind == "slow":
            pause = (int(fault[1]) if len(fault) > 1 else 100) / 1000.0
            for at in range(0, len(data), PIECE):
                self.wfile.write(data[at:at + PIECE])
                self.wfile.flush()
                time.sleep(pause)
            return
        self.wfile.write(data)


class Server(ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A client that goes mid-answer (a download given up, the program
        # switched off) is no fault of the server's: nothing to print.
        if isinstance(sys.exc_info()[1], (ConnectionError, TimeoutError)):
            return
        super().handle_error(request, client_address)


def watch_parent(pid):
    while True:
        try:
            os.kill(pid, 0)
        except OSError:
            os._exit(0)
        time.sleep(0.5)


def main():
    parser = argparse.ArgumentParser(description="The update server's stand-in on the loopback.")
    parser.add_argument("--folder", required=True, help="the folder served (holding software/...)")
    parser.add_argument("--port", type=int, default=0, help="the port (0: any free one)")
    parser.add_argument("--port-file", help="the port chosen is written here once the server listens")
    parser.add_argument("--log", help="the request log")
    parser.add_argument("--faults", help="the faults file, read at every request")
    parser.add_argument("--parent", type=int, help="end when this process has ended")
    args = parser.parse_args()
    State.folder = os.path.abspath(args.folder)
    State.log = args.log
    State.faults = args.faults
    try:
        server = Server(("127.0.0.1", args.port), Handler)
    except OSError as e:
        print("vorn update server: cannot listen on 127.0.0.1:%d: %s" % (args.port, e.strerror), file=sys.stderr)
        return 1
    port = server.server_address[1]
    if args.port_file:
        tmp = args.port_file + ".tmp"
        with open(tmp, "w", encoding="ascii") as f:
            f.write("%d\n" % port)
        os.replace(tmp, args.port_file)
    if args.parent:
        threading.Thread(target=watch_parent, args=(args.parent,), daemon=True).start()
    signal.signal(signal.SIGTERM, lambda *_: threading.Thread(target=server.shutdown).start())
    try:
        server.serve_forever(poll_interval=0.2)
    except KeyboardInterrupt:
        pass
    server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
