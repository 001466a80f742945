#!/usr/bin/python3
"""Serves a folder of static files on 127.0.0.1 for trying the site locally.

Usage: serve.py FOLDER PORT   (PORT 0: any free port, printed on start)
"""
import email.utils
import functools
import gzip
import http.server
import io
import os
import sys
import threading
import urllib.parse

# Sent packed to a browser that takes gzip: text and the engine. The font is packed already.
PACKED = (".html", ".js", ".mjs", ".css", ".svg", ".wasm", ".webmanifest", ".txt", ".json")


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".js": "text/javascript",
        ".mjs": "text/javascript",
        ".wasm": "application/wasm",
        ".woff2": "font/woff2",
        ".webmanifest": "application/manifest+json",
        ".txt": "text/plain; charset=utf-8",
    }

    def parse_request(self):
        if not super().parse_request():
            return False
        # A NUL or a surrogate in the path names no file: the file system would raise on it.
        path = self.path.split("?", 1)[0].split("#", 1)[0]
        try:
            path = urllib.parse.unquote(path, errors="surrogatepass")
        except UnicodeDecodeError:
            path = urllib.parse.unquote(path)
        if "\0" in path or any("\ud800" <= c <= "\udfff" for c in path):
            self.send_error(400, "Bad request path")
            return False
        return True

    def send_head(self):
        path = self.translate_path(self.path)
        if not path.endswith(PACKED) or not self.takes_gzip() or not os.path.isfile(path):
            return super().send_head()
        stat = os.stat(path)
        if self.unchanged_since(stat.st_mtime):
            self.send_response(http.HTTPStatus.NOT_MODIFIED)
            self.end_headers()
            return None
        body = self.server.packed(path, stat)
        self.send_response(http.HTTPStatus.OK)
        self.send_header("Content-type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Last-Modified", self.date_time_string(stat.st_mtime))
        self.send_header("Vary", "Accept-Encoding")
        self.end_headers()
        return io.BytesIO(body)

    def takes_gzip(self):
        for coding in self.headers.get("Accept-Encoding", "").split(","):
            name, _, parameters = coding.partition(";")
            refused = parameters.replace(" ", "") in ("q=0", "q=0.0", "q=0.00", "q=0.000")
            if name.strip().lower() == "gzip" and not refused:
                return True
        return False

    # If-Modified-Since as the unpacked files answer it: a 304 for a file not changed since.
    def unchanged_since(self, modified):
        if "If-Modified-Since" not in self.headers or "If-None-Match" in self.headers:
            return False
        try:
            since = email.utils.parsedate_to_datetime(self.headers["If-Modified-Since"])
        except (TypeError, IndexError, OverflowError, ValueError):
            return False
        return since.tzinfo is not None and int(modified) <= since.timestamp()

    def log_message(self, format, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    # A classroom's burst of requests waits in the queue rather than being refused.
    request_queue_size = 1024
    daemon_threads = True

    def __init__(self, *args, **kwargs):
        super().__init__(*args, **kwargs)
        self.packed_files = {}
        self.packed_lock = threading.Lock()

    # Each file packed once, again when it changes.
    def packed(self, path, stat):
        key = (stat.st_mtime_ns, stat.st_size)
        with self.packed_lock:
            kept = self.packed_files.get(path)
            if kept is None or kept[0] != key:
                with open(path, "rb") as f:
                    kept = (key, gzip.compress(f.read(), compresslevel=9, mtime=0))
                self.packed_files[path] = kept
            return kept[1]


def main():
    if len(sys.argv) != 3 or not sys.argv[2].isdigit() or not os.path.isdir(sys.argv[1]):
        print(__doc__.strip(), file=sys.stderr)
        sys.exit(2)
    folder, port = sys.argv[1], int(sys.argv[2])
    handler = functools.partial(Handler, directory=folder)
    try:
        server = Server(("127.0.0.1", port), handler)
    except OSError as error:
        sys.exit(f"tessaly: cannot serve on 127.0.0.1:{port}: {error.strerror}")
    with server:
        print(f"tessaly: serving {folder} on http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
