#!/usr/bin/python3
"""Runs the web page's benchmark (build-web/site/bench.html) in headless Chromium and prints
its medians.

Usage: bench/web_bench.py [SITE_FOLDER]
"""
import functools
import http.server
import json
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".js": "text/javascript", ".wasm": "application/wasm", ".woff2": "font/woff2"}

    def log_message(self, format, *args):
        pass


def main():
    site = sys.argv[1] if len(sys.argv) > 1 else "build-web/site"
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--window-size=1100,900", "--force-device-scale-factor=1"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/bench.html")
        end = time.time() + 300
        while time.time() < end:
            results = driver.execute_script("return window.benchResults")
            if results:
                print(json.dumps(results, indent=2))
                return
            time.sleep(0.5)
        sys.exit("benchmark did not finish")
    finally:
        driver.quit()
        server.shutdown()


if __name__ == "__main__":
    main()
