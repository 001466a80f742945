#!/usr/bin/python3
"""The local server of ./tessaly web: a classroom's burst of requests, bad request paths and
the address it listens on.

Usage: serve_test.py SERVE_PY
"""
import concurrent.futures
import http.client
import os
import socket
import subprocess
import sys
import tempfile
import unittest

SERVE = sys.argv[1]
CLIENTS, REQUESTS = 50, 1000


class Serve(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        with open(os.path.join(cls.folder.name, "index.html"), "w") as f:
            f.write("<!doctype html><title>t</title>" + "x" * 20000)
        cls.errors = tempfile.TemporaryFile()
        cls.server = subprocess.Popen(["/usr/bin/python3", SERVE, cls.folder.name, "0"],
                                      stdout=subprocess.PIPE, stderr=cls.errors, text=True)
        line = cls.server.stdout.readline()
        cls.port = int(line.rstrip().rstrip("/").rsplit(":", 1)[1])

    @classmethod
    def tearDownClass(cls):
        cls.server.terminate()
        cls.server.wait()
        cls.folder.cleanup()

    def raw(self, request, host="127.0.0.1"):
        with socket.create_connection((host, self.port), timeout=10) as s:
            s.sendall(request)
            return s.recv(100)

    def test_a_burst_of_requests_from_many_clients_all_answered(self):
        def fetch(_):
            connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=10)
            try:
                connection.request("GET", "/index.html")
                response = connection.getresponse()
                return response.status, len(response.read())
            finally:
                connection.close()
        with concurrent.futures.ThreadPoolExecutor(CLIENTS) as pool:
            results = list(pool.map(fetch, range(REQUESTS)))
        self.assertEqual(results.count((200, 20031)), REQUESTS)

    def test_bad_paths_are_refused_with_400_and_no_traceback(self):
        for request in (b"GET /a\0b HTTP/1.0\r\n\r\n", b"GET /a%00b HTTP/1.0\r\n\r\n",
                        b"GET /%ed%a0%80 HTTP/1.0\r\n\r\n"):
            with self.subTest(request=request):
                self.assertTrue(self.raw(request).startswith(b"HTTP/1.0 400"))
        self.assertTrue(self.raw(b"GET /%ff HTTP/1.0\r\n\r\n").startswith(b"HTTP/1.0 404"))
        self.errors.seek(0)
        self.assertNotIn(b"Traceback", self.errors.read())

    def test_a_busy_port_or_bad_arguments_are_explained_without_traceback(self):
        for arguments, code in (([self.folder.name, str(self.port)], 1), ([self.folder.name], 2),
                                ([self.folder.name, "http"], 2), ([self.folder.name + "/none", "0"], 2)):
            with self.subTest(arguments=arguments):
                run = subprocess.run(["/usr/bin/python3", SERVE, *arguments], capture_output=True,
                                     text=True, timeout=30)
                self.assertEqual(run.returncode, code)
                self.assertNotIn("Traceback", run.stderr)
                self.assertIn("in use" if code == 1 else "Usage: serve.py FOLDER PORT", run.stderr)

    def test_listens_on_127_0_0_1_only(self):
        with self.assertRaises(ConnectionRefusedError):
            self.raw(b"GET / HTTP/1.0\r\n\r\n", host="127.0.0.2")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
