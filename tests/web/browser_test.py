#!/usr/bin/python3
"""The web page of the three programs in headless Chromium: the picture, keys, menus,
dialogs, data files, the read-out, printing, the message boxes and the teaching views; phones
and tablets by touch, the accessibility checker's findings, and the page without the server
after one visit.

Usage: browser_test.py SITE_FOLDER NATIVE_RENDERER [SCREENSHOT_FOLDER]
"""
import functools
import hashlib
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.select import Select

SITE, NATIVE = sys.argv[1], sys.argv[2]
SHOTS = sys.argv[3] if len(sys.argv) > 3 else None
# The accessibility checker that ./tessaly test installs from npm beside this file.
AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core", "axe.min.js")
SCALE = 1.5  # the start-up display magnification, at a device pixel ratio of 1

BLACK, BLUE, RED, MAGENTA = (0, 0, 0), (0, 0, 255), (255, 0, 0), (255, 0, 255)
GREEN, CYAN, YELLOW, DARK_GREY = (0, 255, 0), (0, 255, 255), (255, 255, 0), (128, 128, 128)
DARK_CYAN = (0, 128, 128)  # the marker's colour


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".js": "text/javascript", ".wasm": "application/wasm", ".woff2": "font/woff2",
                      ".webmanifest": "application/manifest+json"}

    def log_message(self, format, *args):
        pass


def device(logical):
    return int(logical * SCALE + 0.5)


def serve_site():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietHandler, directory=SITE))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server, cls.base = serve_site()
        cls.downloads = tempfile.mkdtemp(prefix="tessaly-downloads-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1100,1000",
                         "--force-device-scale-factor=1", "--disable-dev-shm-usage", "--lang=ja"):
            options.add_argument(argument)
        # A Japanese browser, as the page follows the browser's language.
        options.add_experimental_option("prefs", {
            "download.default_directory": cls.downloads, "download.prompt_for_download": False,
            "intl.accept_languages": "ja"})
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.driver.set_script_timeout(30)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.shutdown()
        shutil.rmtree(cls.downloads, ignore_errors=True)

    def open(self, program):
        self.driver.get(f"{self.base}?program={program}")
        self.wait_for("return window.tessaly && window.tessaly.ready && window.tessaly.passes >= 1")

    def wait_for(self, script, timeout=20):
        end = time.time() + timeout
        while time.time() < end:
            if self.driver.execute_script(script):
                return
            time.sleep(0.05)
        self.fail(f"timed out waiting for: {script}")

    def passes(self):
        return self.driver.execute_script("return window.tessaly.passes")

    def wait_for_pass_after(self, count):
        self.wait_for(f"return window.tessaly.passes > {count}")

    def pixel(self, x, y):
        return tuple(self.driver.execute_script(
            "const d = document.getElementById('graph').getContext('2d')"
            ".getImageData(arguments[0], arguments[1], 1, 1).data; return [d[0], d[1], d[2]];",
            x, y))

    def colour_counts(self, left=0, top=0, width=None, height=None):
        counts = self.driver.execute_script("""
            const c = document.getElementById('graph');
            const w = arguments[2] ?? c.width, h = arguments[3] ?? c.height;
            const d = c.getContext('2d').getImageData(arguments[0], arguments[1], w, h).data;
            const counts = {};
            for (let i = 0; i < d.length; i += 4) {
              const k = d[i] + ',' + d[i + 1] + ',' + d[i + 2];
              counts[k] = (counts[k] || 0) + 1;
            }
            return counts;""", left, top, width, height)
        return {tuple(int(v) for v in k.split(",")): n for k, n in counts.items()}

    def picture_hash(self):
        data = self.driver.execute_script(
            "const c = document.getElementById('graph');"
            "return Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data"
            ".filter((_, i) => i % 97 === 0)).join(',') + ':' + c.width + 'x' + c.height;")
        return hashlib.sha1(data.encode()).hexdigest()

    def type_key(self, key):
        count = self.passes()
        self.driver.find_element(By.ID, "graph").send_keys(key)
        self.wait_for_pass_after(count)

    def menu(self, command):
        count = self.passes()
        self.driver.execute_script(
            "document.querySelector(`#menubar button[data-command='${arguments[0]}']`).click()", command)
        return count

    def dialog(self):
        self.wait_for("return document.querySelector('dialog[open]') !== null")
        return self.driver.find_element(By.CSS_SELECTOR, "dialog[open]")

    def test_each_program_draws_its_graph(self):
        expected = {
            "ombra": ("Ombra", [BLUE, RED, MAGENTA, GREEN, CYAN]),
            "velto": ("Velto", [BLUE]),
            "quirn": ("Quirn", [BLUE]),
        }
        for program, (name, curves) in expected.items():
            with self.subTest(program=program):
                self.open(program)
                self.assertIn(name, self.driver.title)
                canvas = self.driver.find_element(By.ID, "graph")
                self.assertEqual((canvas.get_property("width"), canvas.get_property("height")), (960, 720))
                # The left edge of the frame, a black line of width 1.
                self.assertEqual(self.pixel(device(64), device(100)), BLACK)
                counts = self.colour_counts()
                for colour in curves:
                    self.assertGreater(counts.get(colour, 0), 200, f"{colour} in {program}")
                # Lines and fills are drawn without smoothing: outside the texts every pixel
                # has one of the sixteen colours.
                plot = self.colour_counts(device(66), device(30), device(180) - device(66), device(120) - device(30))
                palette = {BLACK, BLUE, RED, MAGENTA, GREEN, CYAN, YELLOW, DARK_GREY, (255, 255, 255),
                           (192, 192, 192), (0, 0, 128), (128, 0, 128), (0, 128, 0), (0, 128, 128), (128, 128, 0)}
                self.assertEqual(set(plot) - palette, set(), program)
                if SHOTS:
                    self.driver.save_screenshot(os.path.join(SHOTS, f"web-{program}.png"))

    def test_fo_mark_on_its_yellow_box(self):
        self.open("ombra")
        self.assertEqual(self.pixel(device(281), device(162)), YELLOW)
        self.assertEqual(self.pixel(device(299), device(174)), YELLOW)
        box = self.colour_counts(device(280), device(161), device(301) - device(280), device(176) - device(161))
        self.assertGreater(box.get(YELLOW, 0), 200)
        self.assertGreater(sum(n for c, n in box.items() if c[2] > c[0] and c[2] > 100), 10, "blue glyphs")

    def test_keys_change_the_picture_and_menus_work_by_keyboard(self):
        self.open("ombra")
        start = self.picture_hash()
        self.type_key("2")  # the series circuit
        series = self.picture_hash()
        self.assertNotEqual(series, start)
        self.type_key("1")
        self.assertEqual(self.picture_hash(), start)
        # F10 into the menu bar, right twice to the circuits, down to the second, Enter.
        count = self.passes()
        body = self.driver.find_element(By.ID, "graph")
        body.send_keys(Keys.F10)
        active = self.driver.switch_to.active_element
        active.send_keys(Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ENTER)
        self.wait_for_pass_after(count)
        self.assertEqual(self.picture_hash(), series)
        # Key a: display magnification 1.0, a 640 by 480 canvas.
        self.type_key("a")
        canvas = self.driver.find_element(By.ID, "graph")
        self.assertEqual((canvas.get_property("width"), canvas.get_property("height")), (640, 480))

    def test_overlay_keeps_the_old_curves_and_a_key_wipes_them(self):
        self.open("ombra")
        start = self.colour_counts()
        count = self.menu(202)
        self.wait_for_pass_after(count)
        count = self.menu(501)  # one step up, drawn over the old graph
        self.wait_for_pass_after(count)
        overlaid = self.colour_counts()
        self.assertGreater(overlaid[BLUE], start[BLUE] + 100)
        self.type_key("c")  # every key repaint erases
        self.assertLess(self.colour_counts()[BLUE], overlaid[BLUE] - 100)

    def test_settings_dialog_stores_the_absolute_value_on_ok_and_nothing_on_cancel(self):
        self.open("ombra")
        legend = (device(520), device(260), device(640) - device(520), device(360) - device(260))
        before = self.colour_counts(*legend)
        start = self.picture_hash()
        self.menu(601)
        box = self.dialog()
        self.assertEqual(box.find_element(By.TAG_NAME, "h2").text, "回路定数設定")
        inputs = box.find_elements(By.TAG_NAME, "input")
        self.assertEqual([i.get_property("value") for i in inputs], ["0.0025", "1e-05", "1000"])
        labels = [s.text for s in box.find_elements(By.CSS_SELECTOR, "label span")]
        self.assertEqual(labels, ["Ｌ　［Ｈ］：", "Ｃ　［Ｆ］：", "Ｒ　［Ω］："])
        box.find_element(By.CSS_SELECTOR, "button.cancel").click()
        self.wait_for("return document.querySelector('dialog[open]') === null")
        time.sleep(0.2)
        self.assertEqual(self.picture_hash(), start)
        count = self.menu(601)
        box = self.dialog()
        r = box.find_elements(By.TAG_NAME, "input")[2]
        r.clear()
        r.send_keys("-2e3xyz")
        box.find_element(By.CSS_SELECTOR, "button.default").click()
        self.wait_for_pass_after(count)
        self.assertTrue(self.colour_counts(*legend) != before, "the resistance legend changes")
        self.menu(601)
        box = self.dialog()
        self.assertEqual([i.get_property("value") for i in box.find_elements(By.TAG_NAME, "input")],
                         ["0.0025", "1e-05", "2000"])
        box.find_element(By.CSS_SELECTOR, "button.cancel").click()

    def test_save_read_and_draw_a_data_file(self):
        self.open("ombra")
        self.menu(102)
        box = self.dialog()
        # The program's caption; the system's dialog in the page's language.
        self.assertEqual(box.find_element(By.TAG_NAME, "h2").text, "Select Data File")
        self.assertEqual(box.find_element(By.TAG_NAME, "label").text, "ファイル名")
        self.assertEqual([b.text for b in box.find_elements(By.TAG_NAME, "button")], ["保存", "キャンセル"])
        name = box.find_element(By.TAG_NAME, "input")
        name.clear()
        name.send_keys("saved")  # the default extension is added
        box.find_element(By.CSS_SELECTOR, "button.default").click()
        path = os.path.join(self.downloads, "saved.dat")
        end = time.time() + 10
        while not (os.path.exists(path) and os.path.getsize(path) == 8016) and time.time() < end:
            time.sleep(0.1)
        with open(path, "rb") as f:
            saved = f.read()
        out = os.path.join(self.downloads, "native.dat")
        subprocess.run([NATIVE, "ombra", "--format", "dat", "--output", out], check=True)
        with open(out, "rb") as f:
            native = f.read()
        self.assertEqual(saved, native)

        # A name without ".dat" is refused with the window's message.
        self.menu(102)
        box = self.dialog()
        name = box.find_element(By.TAG_NAME, "input")
        name.clear()
        name.send_keys("X.DAT")
        box.find_element(By.CSS_SELECTOR, "button.default").click()
        self.wait_for("return document.querySelector('dialog[open] p.message') !== null")
        box = self.dialog()
        self.assertEqual(box.find_element(By.CSS_SELECTOR, "p.message").text, "DATファイルではありません")
        self.assertEqual(box.find_element(By.TAG_NAME, "h2").text, "File")
        box.find_element(By.CSS_SELECTOR, "button.default").click()

        count = self.menu(501)
        self.wait_for_pass_after(count)
        stepped = self.colour_counts()
        # The browser's own file chooser cannot be driven: the input takes the file instead.
        self.driver.execute_script(
            "const input = document.getElementById('file-input');"
            "input.click = () => {}; input.hidden = false;")
        count = self.menu(101)
        self.driver.find_element(By.ID, "file-input").send_keys(path)
        self.wait_for_pass_after(count)
        count = self.menu(204)
        self.wait_for_pass_after(count)
        drawn = self.colour_counts()
        self.assertGreater(drawn.get(DARK_GREY, 0), stepped.get(DARK_GREY, 0) + 300, "the dashed saved curve")
        if SHOTS:
            self.driver.save_screenshot(os.path.join(SHOTS, "web-ombra-saved-curve.png"))

    def test_read_out_under_the_pointer(self):
        self.open("ombra")
        canvas = self.driver.find_element(By.ID, "graph")
        rect = canvas.rect
        ActionChains(self.driver).move_to_element_with_offset(
            canvas, device(288) - rect["width"] / 2, device(100) - rect["height"] / 2).perform()
        self.wait_for("return document.getElementById('status').textContent.length > 0")
        text = self.driver.find_element(By.ID, "status").text
        self.assertIn("周波数", text)
        self.assertIn("Ｈｚ", text)

    def test_print_page_at_the_print_magnification(self):
        self.open("velto")
        self.type_key("q")
        self.wait_for("return window.tessaly.lastPrint !== undefined")
        printed = self.driver.execute_script("return window.tessaly.lastPrint")
        self.assertAlmostEqual(printed["inchesWide"], 640 / 96)
        self.assertEqual((printed["width"], printed["height"]), (2000, 1500))
        self.type_key("r")
        self.wait_for("return window.tessaly.lastPrint.width === 1600")

    def test_help_and_version_boxes(self):
        self.open("quirn")
        self.menu(702)
        box = self.dialog()
        self.assertEqual(box.find_element(By.TAG_NAME, "h2").text, "電子回路シミュレーション")
        text = self.driver.execute_script("return document.querySelector('dialog[open] p.message').textContent")
        self.assertEqual(text, "Ver. 0.2,  1999.8")
        box.find_element(By.CSS_SELECTOR, "button.default").click()
        self.menu(701)
        box = self.dialog()
        self.assertEqual(box.find_element(By.TAG_NAME, "h2").text, "回路と使い方の説明")
        box.find_element(By.CSS_SELECTOR, "button.default").click()

    # --- phones, tablets and laptops ---

    def emulate(self, width, height, touch, ratio=1):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": touch})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})

    def stop_emulating(self):
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def rect(self, script):
        return self.driver.execute_script(f"const r = ({script}).getBoundingClientRect();"
                                          "return {left: r.left, top: r.top, right: r.right, bottom: r.bottom};")

    def assert_in_view(self, script, what):
        r = self.rect(script)
        width, height = self.driver.execute_script(
            "return [document.documentElement.clientWidth, window.innerHeight]")
        self.assertTrue(r["left"] >= 0 and r["top"] >= 0 and r["right"] <= width + 0.5 and r["bottom"] <= height + 0.5,
                        f"{what} at {r} in {width} x {height}")

    def touch(self, kind, x, y):
        points = [] if kind == "touchEnd" else [{"x": x, "y": y}]
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def graph_text(self):
        return self.driver.execute_script(
            "return [...document.querySelectorAll('#graph-text p')].map((p) => p.textContent).join('\\n')")

    def test_phone_by_touch(self):
        self.emulate(390, 844, True, 3)
        try:
            for width in (390, 360):
                with self.subTest(width=width):
                    self.emulate(width, 800, True, 3)
                    self.open("velto")
                    self.assertFalse(self.driver.execute_script(
                        "return document.documentElement.scrollWidth > document.documentElement.clientWidth"),
                        "the page scrolls sideways")
                    canvas = self.driver.execute_script(
                        "const c = document.getElementById('graph'); return [c.clientWidth, c.clientHeight, c.width]")
                    self.assertEqual(canvas[0], width)
                    self.assertEqual(canvas[1], int(width * 3 / 4))
                    self.assertEqual(canvas[2], width * 3, "drawn at the device pixel ratio")
            self.emulate(390, 844, True, 3)
            self.open("ombra")
            # Every menu opens fully in view.
            tops = self.driver.execute_script("return document.querySelectorAll('#menubar button.top').length")
            for i in range(tops):
                top = f"document.querySelectorAll('#menubar button.top')[{i}]"
                self.assert_in_view(top, f"menu {i}")
                self.driver.execute_script(f"{top}.click()")
                self.assert_in_view(f"{top}.nextElementSibling", f"the items of menu {i}")
                self.driver.execute_script(f"{top}.click()")
            # A settings dialog from the menu, fully in view.
            self.driver.execute_script("document.querySelectorAll('#menubar button.top')[5].click()")
            self.driver.execute_script("document.querySelector(`#menubar button[data-command='601']`).click()")
            box = self.dialog()
            self.assert_in_view("document.querySelector('dialog[open]')", "the settings dialog")
            box.find_element(By.CSS_SELECTOR, "button.cancel").click()
            self.wait_for("return document.querySelector('dialog[open]') === null")
            # The help, longer than the screen is wide, inside it with its OK button.
            self.menu(701)
            box = self.dialog()
            self.assert_in_view("document.querySelector('dialog[open]')", "the help")
            self.assert_in_view("document.querySelector('dialog[open] button.default')", "the help's OK")
            box.find_element(By.CSS_SELECTOR, "button.default").click()
            self.wait_for("return document.querySelector('dialog[open]') === null")
            # A finger's drag moves the read-out; lifting it leaves the read-out where it was.
            c = self.rect("document.getElementById('graph')")
            s = (c["right"] - c["left"]) / 640
            y = c["top"] + 100 * s
            self.touch("touchStart", c["left"] + 150 * s, y)
            self.wait_for("return document.getElementById('status').textContent.includes('周波数')")
            first = self.driver.find_element(By.ID, "status").text
            for x in range(150, 400, 25):
                self.touch("touchMove", c["left"] + x * s, y)
            self.touch("touchEnd", 0, 0)
            moved = self.driver.find_element(By.ID, "status").text
            self.assertIn("周波数", moved)
            self.assertNotEqual(moved, first)
            # A tap holds the read-out and the text alternative says it.
            self.touch("touchStart", c["left"] + 300 * s, y)
            self.touch("touchEnd", 0, 0)
            self.wait_for("return document.getElementById('graph-text').innerText.includes('周波数')")
            # The step bar, in view, carries the steps and redraw with the menus' texts.
            self.assertTrue(self.driver.find_element(By.ID, "step-bar").is_displayed())
            texts = [b.text for b in self.driver.find_elements(By.CSS_SELECTOR, "#step-bar button")]
            self.assertEqual(texts, ["増加１", "減少１", "初期値", "描画更新", "重ね描き", "クリア"])
            before = self.graph_text()
            count = self.passes()
            self.driver.find_element(By.CSS_SELECTOR, "#step-bar button[data-command='501']").click()
            self.wait_for_pass_after(count)
            self.wait_for(f"return document.getElementById('graph-text').innerText !== {json.dumps(before)}")
            q = [line for line in self.graph_text().splitlines() if line.startswith("Ｑ")]
            self.assertNotIn(q[0], before.splitlines(), "the Q legend follows the step")
            if SHOTS:
                self.driver.save_screenshot(os.path.join(SHOTS, "web-phone.png"))
        finally:
            self.stop_emulating()

    def test_tablet_and_laptop_keep_the_status_line_in_view(self):
        try:
            for width, height, touch in ((1366, 680, False), (820, 1180, True), (1180, 820, True), (844, 390, True)):
                with self.subTest(width=width, height=height):
                    self.emulate(width, height, touch)
                    self.open("ombra")
                    self.assert_in_view("document.getElementById('status')", "the status line")
                    self.assertFalse(self.driver.execute_script(
                        "return document.documentElement.scrollWidth > document.documentElement.clientWidth"))
                    w, h = self.driver.execute_script(
                        "const c = document.getElementById('graph'); return [c.clientWidth, c.clientHeight]")
                    self.assertLessEqual(abs(h - w * 3 / 4), 1)
                    if SHOTS and width == 820:
                        self.driver.save_screenshot(os.path.join(SHOTS, "web-tablet.png"))
        finally:
            self.stop_emulating()

    # --- screen readers and keyboards ---

    def axe_findings(self):
        with open(AXE) as f:
            self.driver.execute_script(f.read())
        found = self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            axe.run(document, { resultTypes: ['violations'] }).then((r) => done(r.violations
              .filter((v) => v.impact === 'serious' || v.impact === 'critical')
              .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', '))));""")
        return found

    def test_accessibility_checker_finds_nothing_serious(self):
        for program in ("ombra", "velto", "quirn"):
            with self.subTest(program=program):
                self.open(program)
                self.assertEqual(self.axe_findings(), [])
        self.menu(601)
        self.dialog()
        self.assertEqual(self.axe_findings(), [], "with a settings dialog open")
        self.driver.find_element(By.CSS_SELECTOR, "dialog[open] button.cancel").click()
        self.menu(701)
        self.dialog()
        self.assertEqual(self.axe_findings(), [], "with the help open")
        self.driver.find_element(By.CSS_SELECTOR, "dialog[open] button.default").click()

    def test_graph_in_words_and_labelled_controls(self):
        self.open("velto")
        self.assertEqual(self.graph_text().splitlines(), [
            "Velto", "単一Ｌ素子  インピーダンス周波数特性（対数目盛）", "共振周波数 fo［Ｈｚ］：1.00k", "Ｌ［Ｈ］：2.53m"])
        self.type_key("3")
        self.assertEqual(self.graph_text().splitlines()[1:], [
            "直列ＬＣ素子  インピーダンス周波数特性（対数目盛）", "Ｌ［Ｈ］：2.53m", "Ｃ［Ｆ］：10.0u", "共振周波数 fo［Ｈｚ］：1.00k"])
        region = self.driver.find_element(By.ID, "graph-text")
        self.assertEqual(region.get_attribute("aria-live"), "polite")
        canvas = self.driver.find_element(By.ID, "graph")
        self.assertEqual(canvas.get_attribute("aria-describedby"), "graph-text")
        self.assertEqual(self.driver.execute_script("return document.activeElement.id"), "graph")
        roles = self.driver.execute_script(
            "return [...new Set([...document.querySelectorAll('#menubar [role]')].map((e) => e.getAttribute('role')))]")
        self.assertEqual(sorted(roles), ["menu", "menuitem", "none"])
        self.menu(601)
        box = self.dialog()
        self.assertEqual(self.driver.execute_script(
            "const d = document.querySelector('dialog[open]');"
            "return document.getElementById(d.getAttribute('aria-labelledby')).textContent"), "回路定数設定")
        # Tab goes round inside the box.
        stops = len(box.find_elements(By.CSS_SELECTOR, "input, button"))
        for _ in range(stops):
            self.driver.switch_to.active_element.send_keys(Keys.TAB)
        self.assertEqual(self.driver.execute_script("return document.activeElement.tagName"), "INPUT")
        self.assertTrue(self.driver.execute_script("return document.querySelector('dialog[open]').contains(document.activeElement)"))
        box.find_element(By.CSS_SELECTOR, "button.cancel").click()

    # --- the address and the network ---

    def test_unknown_program_names_start_ombra_with_a_message(self):
        for name in ("constructor", "__proto__", "toString", "<b>x</b>"):
            with self.subTest(name=name):
                self.driver.get(f"{self.base}?program={name}")
                self.wait_for("return window.tessaly && window.tessaly.ready && window.tessaly.passes >= 1")
                self.assertEqual(self.driver.title, "Ombra — Tessaly")
                self.assertEqual(self.driver.find_element(By.ID, "status").text,
                                 f"プログラム「{name}」はありません。Ombraを開きました。")
                self.assertEqual(self.driver.execute_script("return document.querySelectorAll('#status *').length"), 0)

    def test_page_works_without_the_server_after_one_visit(self):
        server, base = serve_site()
        try:
            self.driver.get(f"{base}?program=quirn")
            self.wait_for("return window.tessaly && window.tessaly.ready && navigator.serviceWorker.controller !== null", 60)
            caches = self.driver.execute_async_script(
                "const done = arguments[arguments.length - 1]; caches.keys().then(done);")
            self.assertEqual(len(caches), 1)
            self.assertRegex(caches[0], "^tessaly-[0-9a-f]{16}$")
            # Chromium would offer to install it as an app.
            self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"], [])
        finally:
            server.shutdown()
            server.server_close()
        self.driver.get(f"{base}?program=velto")
        self.wait_for("return window.tessaly && window.tessaly.ready && window.tessaly.passes >= 1")
        self.assertEqual(self.driver.title, "Velto — Tessaly")
        self.assertGreater(self.colour_counts().get(BLUE, 0), 200)

    def test_an_engine_that_cannot_load_is_explained_not_a_blank_page(self):
        server, base = serve_site()  # an origin of its own: no worker answers from a cache
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": ["*tessaly-engine.wasm"]})
        try:
            self.driver.get(f"{base}?program=velto")
            self.wait_for("return window.tessaly && window.tessaly.failed")
            notice = self.driver.find_element(By.ID, "start-failed")
            self.assertTrue(notice.is_displayed())
            self.assertIn("Tessalyを起動できませんでした", notice.text)
            self.assertIn("Tessaly could not start in this browser", notice.text)
            self.assertEqual(self.driver.execute_script("return window.tessaly.passes"), 0)
            self.assertEqual(self.driver.execute_script(
                "return document.documentElement.scrollWidth - document.documentElement.clientWidth"), 0)
        finally:
            self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})
            self.driver.execute_cdp_cmd("Network.disable", {})
            server.shutdown()
            server.server_close()


    # --- the teaching views ---

    def teaching(self):
        return self.driver.execute_script("return window.tessaly.teaching || {}")

    def marker_columns(self):
        """The x of every canvas column inside the graph's frame that holds the marker's colour."""
        return self.driver.execute_script("""
            const c = document.getElementById('graph');
            // Logical 40 to 140 down and 0 to 620 across, at the canvas's own scale.
            const scale = c.height / 480;
            const top = Math.round(40 * scale), height = Math.round(100 * scale);
            const width = Math.round(620 * scale);
            const d = c.getContext('2d').getImageData(0, top, width, height).data;
            const found = new Set();
            for (let i = 0; i < d.length; i += 4) {
              if (d[i] === 0 && d[i + 1] === 128 && d[i + 2] === 128) found.add((i / 4) % width);
            }
            return [...found].sort((a, b) => a - b);""")

    def point_at(self, x, y):
        canvas = self.driver.find_element(By.ID, "graph")
        rect = canvas.rect
        ActionChains(self.driver).move_to_element_with_offset(
            canvas, x - rect["width"] / 2, y - rect["height"] / 2).perform()

    def touch(self, kind, x, y):
        rect = self.driver.find_element(By.ID, "graph").rect
        points = [] if kind == "touchEnd" else [{"x": rect["x"] + x, "y": rect["y"] + y}]
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def test_diagram_beside_the_graph_and_a_marker_that_follows_and_locks(self):
        self.open("ombra")
        canvas = self.driver.find_element(By.ID, "graph")
        graph_only = canvas.get_property("width")
        count = self.menu(801)
        self.wait_for_pass_after(count)
        # The picture widens by the panel, 240 logical units, as the window does (and fits
        # the page's width at the graph's new proportions, 880 by 480).
        width, height = canvas.get_property("width"), canvas.get_property("height")
        self.assertGreater(width, graph_only)
        self.assertAlmostEqual(width / height, 880 / 480, delta=0.01)
        self.point_at(device(200), device(80))
        self.wait_for("return window.tessaly.teaching && window.tessaly.teaching.panel")
        panel = self.colour_counts(width * 650 // 880, 0, width - width * 650 // 880, height)
        self.assertGreater(sum(n for c, n in panel.items() if c != (255, 255, 255)), 500, "the diagram")
        first = self.marker_columns()
        self.assertTrue(first and abs(first[0] - device(200)) <= 2, first)
        self.point_at(device(400), device(80))
        moved = self.marker_columns()
        self.assertTrue(moved and abs(moved[0] - device(400)) <= 2, moved)
        # A click locks the marker: moving on leaves it where it was.
        ActionChains(self.driver).click().perform()
        self.wait_for("return window.tessaly.teaching.locked")
        self.point_at(device(250), device(80))
        self.assertEqual(self.marker_columns(), moved)
        # Escape lets it go.
        self.driver.find_element(By.ID, "graph").send_keys(Keys.ESCAPE)
        self.wait_for("return !window.tessaly.teaching.locked")
        if SHOTS:
            self.driver.save_screenshot(os.path.join(SHOTS, "web-ombra-teaching.png"))

    def test_a_finger_drags_the_marker_and_a_tap_locks_it(self):
        self.open("ombra")
        count = self.menu(801)
        self.wait_for_pass_after(count)
        y = device(80)
        self.touch("touchStart", device(200), y)
        self.touch("touchMove", device(300), y)
        self.touch("touchMove", device(420), y)
        self.touch("touchEnd", device(420), y)
        dragged = self.marker_columns()
        self.assertTrue(dragged and abs(dragged[0] - device(420)) <= 2, dragged)
        self.assertIn("周波数", self.driver.find_element(By.ID, "status").text, "the read-out follows")
        self.assertFalse(self.teaching().get("locked"), "a drag does not lock")
        self.touch("touchStart", device(300), y)
        self.touch("touchEnd", device(300), y)
        self.wait_for("return window.tessaly.teaching.locked")
        tapped = self.marker_columns()
        self.assertTrue(tapped and abs(tapped[0] - device(300)) <= 2, tapped)

    def test_an_f0_exercise_is_predicted_revealed_scored_and_left(self):
        self.open("ombra")
        start = self.picture_hash()
        count = self.menu(811)
        self.wait_for_pass_after(count)
        field = self.driver.find_element(By.ID, "prediction")
        self.assertTrue(field.is_displayed())
        self.assertIn("問題 1：", self.driver.find_element(By.ID, "status").text)
        question = self.picture_hash()
        # Not a number: asked again, nothing scored, nothing drawn.
        field.send_keys("abc", Keys.ENTER)
        self.wait_for("return document.getElementById('status').textContent.includes('読めません')")
        self.assertTrue(self.teaching()["awaitsPrediction"])
        self.assertEqual(self.picture_hash(), question)
        count = self.passes()
        field.send_keys("1k", Keys.ENTER)
        self.wait_for_pass_after(count)
        self.wait_for("return document.getElementById('status').textContent.includes('成績')")
        text = self.driver.find_element(By.ID, "status").text
        self.assertIn("予想 1.00kHz", text)
        self.assertIn("成績", text)
        self.assertTrue(text.endswith("／1（誤差 10％以内）"), text)
        self.assertNotEqual(self.picture_hash(), question, "the answer is drawn")
        self.assertFalse(field.is_displayed())
        # Escape leaves the exercise and gives the program its own values back.
        count = self.passes()
        self.driver.find_element(By.ID, "graph").send_keys(Keys.ESCAPE)
        self.wait_for_pass_after(count)
        self.assertEqual(self.picture_hash(), start)
        self.assertEqual(self.driver.find_element(By.ID, "status").text, "")


    # --- links that carry a graph ---

    def test_a_link_draws_what_the_renderer_draws_and_the_page_copies_its_own(self):
        query = ("program=ombra&do=302,502,502&set=circuit_constants=0.0025,1e-5,10"
                 "&marker=1200&phasor=1")
        self.driver.get(f"{self.base}?{query}")
        self.wait_for("return window.tessaly && window.tessaly.ready && window.tessaly.linkTrace !== undefined")
        trace = self.driver.execute_script("return window.tessaly.linkTrace")
        native = subprocess.run([NATIVE, "--link", f"https://example.org/?{query}", "--format", "trace"],
                                check=True, capture_output=True).stdout.decode()
        self.assertEqual(trace, native)
        self.assertTrue(self.driver.execute_script("return window.tessaly.engine.teachingState().locked"))
        # The File menu copies the link of the graph on show, which carries the same state.
        self.driver.execute_script(
            "document.querySelector(`#menubar button[data-command='copy-link']`).click()")
        self.wait_for("return window.tessaly.lastLink !== undefined")
        copied = self.driver.execute_script("return window.tessaly.lastLink")
        for part in ("program=ombra", "502%2C502", "circuit_constants=0.0025%2C1e-05%2C10",
                     "marker=1200", "phasor=1"):
            self.assertIn(part, copied.replace(",", "%2C"))
        box = self.driver.execute_script("return document.querySelector('dialog[open] button.default')")
        if box:
            box.click()

    def test_a_link_with_bad_parameters_draws_the_rest_and_says_so(self):
        self.driver.get(f"{self.base}?program=velto&do=999,303&%3Cb%3Ered%3C/b%3E=1&embed=1")
        self.wait_for("return window.tessaly && window.tessaly.ready && window.tessaly.passes >= 2")
        text = self.driver.find_element(By.ID, "status").text
        self.assertIn("使いませんでした", text)
        self.assertIn("<b>red</b>", text, "the address is shown as text, never as HTML")
        self.assertEqual(self.driver.execute_script("return document.querySelectorAll('#status b').length"), 0)
        self.assertFalse(self.driver.find_element(By.ID, "switcher").is_displayed(), "embedded: no switcher")

    # --- languages ---

    def test_english_from_the_address_menus_dialog_graph_and_the_switch_back(self):
        query = "program=velto&do=303,502&lang=en"
        self.driver.get(f"{self.base}?{query}")
        self.wait_for("return window.tessaly && window.tessaly.ready && window.tessaly.linkTrace !== undefined")
        self.assertEqual(self.driver.execute_script("return document.documentElement.lang"), "en")
        # The graph is the renderer's English graph of the same link.
        trace = self.driver.execute_script("return window.tessaly.linkTrace")
        native = subprocess.run([NATIVE, "--link", f"https://example.org/?{query}", "--format", "trace"],
                                check=True, capture_output=True).stdout.decode()
        self.assertEqual(trace, native)
        self.assertIn("Series LC  Impedance vs frequency (log scale)", trace)
        self.assertIn("Resonance fo [Hz]: 1.41k", self.graph_text(), "the words describe the link's graph")
        menus = self.driver.execute_script(
            "return [...document.querySelectorAll('#menubar button.top')].map((b) => b.textContent)")
        self.assertEqual(menus, ["File", "Draw", "Circuit", "Analysis", "Step", "Settings", "Help", "Exercises"])
        self.menu(601)
        box = self.dialog()
        self.assertEqual(box.find_element(By.TAG_NAME, "h2").text, "Circuit constants")
        labels = self.driver.execute_script(
            "return [...document.querySelectorAll('dialog[open] label span')].map((s) => s.textContent)")
        self.assertEqual(labels, ["L [H]:", "C [F]:"])
        box.find_element(By.CSS_SELECTOR, "button.cancel").click()
        self.menu(102)
        box = self.dialog()
        self.assertEqual(box.find_element(By.TAG_NAME, "label").text, "File name")
        self.assertEqual([b.text for b in box.find_elements(By.TAG_NAME, "button")], ["Save", "Cancel"])
        box.find_element(By.CSS_SELECTOR, "button.cancel").click()
        self.dialog().find_element(By.CSS_SELECTOR, "button.default").click()  # the error box
        # The switch opens the same graph in Japanese.
        links = self.driver.execute_script(
            "return [...document.querySelectorAll('#languages a')].map((a) => [a.textContent, a.getAttribute('aria-current')])")
        self.assertEqual(links, [["日本語", None], ["English", "true"]])
        self.driver.find_element(By.CSS_SELECTOR, "#languages a[lang='ja']").click()
        self.wait_for("return document.documentElement.lang === 'ja' && window.tessaly && window.tessaly.ready"
                      " && window.tessaly.linkTrace !== undefined")
        self.assertIn("直列ＬＣ素子  インピーダンス周波数特性（対数目盛）", self.driver.execute_script(
            "return window.tessaly.linkTrace"))
        self.assertIn("do=303", self.driver.current_url)
        # A language the catalog lacks: the browser's, and a word of why.
        self.driver.get(f"{self.base}?program=quirn&lang=fr")
        self.wait_for("return window.tessaly && window.tessaly.ready && window.tessaly.passes >= 2")
        self.assertEqual(self.driver.execute_script("return document.documentElement.lang"), "ja")
        self.assertIn("--lang needs one of ja, en", self.driver.find_element(By.ID, "status").text)

    # --- a class set printed from the page ---

    def renderer_answer(self, kind, seed):
        """The answer the renderer reveals for one worksheet, as its trace prints it."""
        trace = subprocess.run([NATIVE, "ombra", "--exercise", kind, "--seed", str(seed), "--reveal",
                                "--format", "trace"], check=True, capture_output=True).stdout.decode()
        line = [t for t in trace.splitlines() if t.startswith("text ") and "解答" in t][-1]
        return line.rsplit("＝", 1)[1]

    def test_a_class_set_prints_the_sheets_and_the_answers_the_renderer_gives(self):
        self.open("quirn")
        self.assertEqual(self.driver.execute_script(
            "return document.querySelectorAll(`#menubar button[data-command='class-set']`).length"), 0,
            "Quirn asks nothing")
        self.open("ombra")
        self.menu("class-set")
        box = self.dialog()
        self.assertEqual(box.find_element(By.TAG_NAME, "h2").text, "クラス用の問題を印刷")
        seeds = box.find_element(By.NAME, "seeds")
        # A range the renderer refuses is refused in the box, which stays open for a better one.
        for bad in ("3-1", "1-501", "7", "a-b"):
            seeds.clear()
            seeds.send_keys(bad)
            box.find_element(By.CSS_SELECTOR, "button.default").click()
            self.wait_for("return !document.querySelector('dialog[open] .problem').hidden")
            self.assertIn("500枚まで", box.find_element(By.CSS_SELECTOR, ".problem").text, bad)
        self.assertTrue(box.is_displayed())
        self.assertIsNone(self.driver.execute_script("return window.tessaly.lastClassSet ?? null"))
        seeds.clear()
        seeds.send_keys("1-3")
        Select(box.find_element(By.NAME, "kind")).select_by_value("f0")
        Select(box.find_element(By.NAME, "questions")).select_by_value("2")
        box.find_element(By.CSS_SELECTOR, "button.default").click()
        self.wait_for("return window.tessaly.lastClassSet != null", timeout=60)
        self.assertEqual(self.driver.execute_script("return window.tessaly.lastClassSet"),
                         {"pages": 4, "graphs": 6})
        sheets = self.driver.execute_script("""
            return [...document.querySelectorAll('#class-set .page.sheet')].map((p) => ({
              number: p.querySelector('.sheet-number').textContent,
              graphs: p.querySelectorAll('img.graph').length,
              header: [...p.querySelectorAll('.header, .working')].map((t) => t.textContent).join(' ')}));""")
        self.assertEqual(sheets, [{"number": f"No. {n}", "graphs": 2, "header": "名前 日付 計算"}
                                  for n in (1, 2, 3)])
        key = self.driver.execute_script("""
            const texts = (role) => [...document.querySelectorAll(`#class-set .page.key .${role}`)]
              .map((t) => t.textContent);
            return { numbers: texts('key-number'), given: texts('key-given'), working: texts('key-working') };""")
        self.assertEqual(key["numbers"], ["No. 1-1", "No. 1-2", "No. 2-1", "No. 2-2", "No. 3-1", "No. 3-2"])
        self.assertEqual(len(key["given"]), 6)
        # Question k of sheet i takes seed 1 + i + 3k; Ombra asks f0, then Q.
        for i, working in enumerate(key["working"]):
            sheet, question = divmod(i, 2)
            kind, seed = ("f0", "q")[question], 1 + sheet + 3 * question
            self.assertTrue(working.endswith("＝" + self.renderer_answer(kind, seed)), (working, kind, seed))
            self.assertTrue(working.startswith(("fo＝", "Ｑ＝")[question]), working)
        # Letter paper and a Q class set of one question a sheet, again through the box.
        self.menu("class-set")
        box = self.dialog()
        self.assertEqual(box.find_element(By.NAME, "seeds").get_property("value"), "1-3", "the last choice")
        Select(box.find_element(By.NAME, "paper")).select_by_value("letter")
        Select(box.find_element(By.NAME, "questions")).select_by_value("1")
        box.find_element(By.CSS_SELECTOR, "button.default").click()
        self.wait_for("return window.tessaly.lastClassSet.graphs === 3", timeout=60)
        width = self.driver.execute_script("return document.querySelector('#class-set .page').style.width")
        self.assertEqual(width, "816px")  # 8.5 inches

if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
