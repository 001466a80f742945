#!/usr/bin/python3
"""Serves a folder of static files on 127.0.0.1 for trying the site locally.

Usage: serve.py FOLDER PORT   (PORT 0: any free port, printed on start)
"""
import functools
import http.server
import sys
import urllib.parse


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

    def log_message(self, format, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    # A classroom's burst of requests waits in the queue rather than being refused.
    request_queue_size = 1024
    daemon_threads = True


def main():
    folder, port = sys.argv[1], int(sys.argv[2])
    handler = functools.partial(Handler, directory=folder)
    with Server(("127.0.0.1", port), handler) as server:
        print(f"tessaly: serving {folder} on http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
