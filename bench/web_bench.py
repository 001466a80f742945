#!/usr/bin/python3
"""Runs the web page's benchmark (build-web/site/bench.html) in headless Chromium, at full
speed and with the CPU slowed 4 times (Chromium's throttling), and counts the bytes a first
visit downloads from the local server (web/serve.py, which packs text and the engine with
gzip), the service worker's own fetches included. Prints medians.

Usage: bench/web_bench.py [SITE_FOLDER]
"""
import functools
import json
import pathlib
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "web"))
import serve  # noqa: E402


class Handler(serve.Handler):
    sent = 0
    lock = threading.Lock()

    def copyfile(self, source, outputfile):
        data = source.read()
        with Handler.lock:
            Handler.sent += len(data)
        outputfile.write(data)


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--window-size=1100,900", "--force-device-scale-factor=1"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def wait_for(driver, script, timeout):
    end = time.time() + timeout
    while time.time() < end:
        value = driver.execute_script(script)
        if value:
            return value
        time.sleep(0.2)
    sys.exit(f"timed out waiting for: {script}")


def first_visit_bytes(base):
    driver = browser()  # a new profile: nothing cached
    try:
        Handler.sent = 0
        driver.get(f"{base}index.html?program=ombra")
        wait_for(driver, "return window.tessaly && window.tessaly.ready && navigator.serviceWorker.controller", 60)
        time.sleep(1)
        return Handler.sent
    finally:
        driver.quit()


def bench(base, slowdown):
    driver = browser()
    try:
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": slowdown})
        driver.get(f"{base}bench.html")
        return wait_for(driver, "return window.benchResults", 600)
    finally:
        driver.quit()


def main():
    site = sys.argv[1] if len(sys.argv) > 1 else "build-web/site"
    server = serve.Server(("127.0.0.1", 0), functools.partial(Handler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    base = f"http://127.0.0.1:{server.server_address[1]}/"
    try:
        results = {"firstVisitBytes": first_visit_bytes(base)}
        for slowdown in (1, 4):
            results[f"cpu{slowdown}x"] = bench(base, slowdown)
        print(json.dumps(results, indent=2))
    finally:
        server.shutdown()


if __name__ == "__main__":
    main()
