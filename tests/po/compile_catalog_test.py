#!/usr/bin/python3
"""The catalog's files as translators' tools read them, and the build's refusals.

Usage: compile_catalog_test.py SOURCE_ROOT
"""
import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(sys.argv[1])
COMPILER = ROOT / "po" / "compile_catalog.py"
HEADER = 'msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n"Language: {code}\\n"\n\n'
TEMPLATE = HEADER.format(code="") + 'msgid "周波数"\nmsgstr ""\n\nmsgid "問題 %llu：%s"\nmsgstr ""\n'
failures = []


def compile_with(translations, code="xx"):
    with tempfile.TemporaryDirectory() as folder:
        folder = pathlib.Path(folder)
        (folder / "t.pot").write_text(TEMPLATE, encoding="utf-8")
        (folder / "xx.po").write_text(HEADER.format(code=code) + translations, encoding="utf-8")
        run = subprocess.run([sys.executable, COMPILER, folder / "t.pot", folder / "out.cpp", folder / "xx.po"],
                             capture_output=True, text=True)
        table = (folder / "out.cpp").read_text(encoding="utf-8") if run.returncode == 0 else ""
        return run, table


def expect(condition, what):
    if not condition:
        failures.append(what)


# Every language's file passes GNU gettext's own checks, the printf formats included.
for po in sorted((ROOT / "po").glob("*.po")):
    run = subprocess.run(["msgfmt", "--check", "-o", "/dev/null", po], capture_output=True, text=True)
    expect(run.returncode == 0, f"msgfmt --check {po.name}: {run.stderr.strip()}")

# A translation that reads other arguments than its source would print memory: the build stops.
run, _ = compile_with('msgid "問題 %llu：%s"\nmsgstr "Question %s: %llu"\n')
expect(run.returncode != 0 and "other conversions" in run.stderr, f"swapped conversions built: {run.stderr}")
run, _ = compile_with('msgid "問題 %llu：%s"\nmsgstr "Question %llu: %s %s"\n')
expect(run.returncode != 0, "an extra conversion built")
# %% takes no argument and may come and go.
run, table = compile_with('msgid "問題 %llu：%s"\nmsgstr "Question %llu: %s (100%%)"\n')
expect(run.returncode == 0 and "100%%" in table, f"a translation with %% refused: {run.stderr}")

# A fuzzy or empty translation is no translation: the text is listed as untranslated.
_, table = compile_with('#, fuzzy\nmsgid "周波数"\nmsgstr "Frequency"\n')
expect("Frequency" not in table and "2 of 2" not in table and "0 of 2 texts translated" in table,
       "a fuzzy translation was used")
_, table = compile_with('msgid "周波数"\nmsgstr "Frequency"\n\nmsgid "消えた"\nmsgstr "Gone"\n')
expect("1 of 2 texts translated" in table and "Gone" not in table,
       "a text no longer in the template was kept")

# A language must say which it is, and may not pose as the source language.
run, _ = compile_with("", code="")
expect(run.returncode != 0 and "Language" in run.stderr, "a file without a language built")
run, _ = compile_with("", code="ja")
expect(run.returncode != 0, "a second Japanese built")

for failure in failures:
    print(failure, file=sys.stderr)
sys.exit(1 if failures else 0)
