#!/usr/bin/python3
"""Makes the translation tables of the programs from the template and the languages' files.

Usage: compile_catalog.py TEMPLATE OUTPUT.cpp LANG.po...

Each language becomes a table of (source, translation) pairs in the byte order of the source
texts, and a list of the template's texts it leaves untranslated (empty, fuzzy or missing),
which a test reports. A translation whose printf conversions differ from its source's would
read the wrong arguments: it stops the build.
"""
import pathlib
import re
import sys

CONVERSION = re.compile(r"%[-+ #0]*(?:\d+|\*)?(?:\.(?:\d+|\*))?(?:hh|h|ll|l|L|j|z|t)?[diouxXeEfFgGaAcspn%]")


def conversions(text):
    """The printf conversions that take arguments, in order ("%%" takes none)."""
    return [c for c in CONVERSION.findall(text) if c != "%%"]


def unquote(line):
    text = line[line.index('"') + 1:line.rindex('"')]
    escapes = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}
    return re.sub(r"\\(.)", lambda m: escapes.get(m.group(1), m.group(1)), text)


def entries(path):
    """Yields (msgid, msgstr, flags) of each live entry of a .po or .pot file."""
    entry = {"flags": set()}
    field = None

    def finish():
        if "msgid" in entry:
            yield entry.get("msgid"), entry.get("msgstr", ""), entry["flags"]

    for raw in path.read_text(encoding="utf-8").splitlines() + [""]:
        line = raw.strip()
        if not line:
            yield from finish()
            entry, field = {"flags": set()}, None
        elif line.startswith("#,"):
            entry["flags"].update(f.strip() for f in line[2:].split(","))
        elif line.startswith("#"):
            continue
        elif line.startswith('"'):
            if field is None:
                raise SystemExit(f"{path}: a continued string outside an entry: {raw}")
            entry[field] += unquote(line)
        else:
            keyword = line.split(None, 1)[0]
            if keyword in ("msgctxt", "msgid_plural") or keyword.startswith("msgstr["):
                raise SystemExit(f"{path}: {keyword} is not used by this catalog")
            if keyword not in ("msgid", "msgstr"):
                raise SystemExit(f"{path}: cannot read the line: {raw}")
            field = keyword
            entry[field] = unquote(line)


def header_field(header, name):
    for line in header.splitlines():
        key, _, value = line.partition(":")
        if key.strip() == name:
            return value.strip()
    return ""


def c_string(text):
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ch == "\n":
            out.append("\\n")
        elif ord(ch) < 0x20:
            out.append(f"\\{ord(ch):03o}")
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def language_table(template_ids, path, index):
    header = None
    translated = {}
    for msgid, msgstr, flags in entries(path):
        if msgid == "":
            header = msgstr
            continue
        if msgid not in template_ids or not msgstr or "fuzzy" in flags:
            continue
        if conversions(msgid) != conversions(msgstr):
            raise SystemExit(f"{path}: the translation of {msgid!r} has other conversions than its source")
        translated[msgid] = msgstr
    if header is None:
        raise SystemExit(f"{path}: no header entry")
    code = header_field(header, "Language")
    name = header_field(header, "X-Language-Name") or code
    if not re.fullmatch(r"[a-z]{2,3}", code):
        raise SystemExit(f"{path}: the header's Language must be a two- or three-letter code, not {code!r}")
    ordered = sorted(translated, key=lambda s: s.encode("utf-8"))
    missing = sorted((s for s in template_ids if s not in translated), key=lambda s: s.encode("utf-8"))
    lines = [f"// {path.name}: {len(ordered)} of {len(template_ids)} texts translated."]
    lines.append(f"const CatalogEntry kEntries{index}[] = {{")
    lines += [f"    {{{c_string(s)},\n     {c_string(translated[s])}}}," for s in ordered]
    lines.append("    {nullptr, nullptr}};")
    lines.append(f"const char* const kUntranslated{index}[] = {{")
    lines += [f"    {c_string(s)}," for s in missing]
    lines.append("    nullptr};")
    record = (f"    {{{c_string(code)}, {c_string(name)}, kEntries{index}, {len(ordered)}, "
              f"kUntranslated{index}, {len(missing)}}},")
    return code, "\n".join(lines), record


def main():
    if len(sys.argv) < 4:
        raise SystemExit(__doc__)
    template, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    template_ids = {msgid for msgid, _, _ in entries(template) if msgid}
    tables, records, codes = [], [], set()
    for index, path in enumerate(sorted(pathlib.Path(p) for p in sys.argv[3:])):
        code, table, record = language_table(template_ids, path, index)
        if code in codes or code == "ja":
            raise SystemExit(f"{path}: the language {code} is already in the catalog")
        codes.add(code)
        tables.append(table)
        records.append(record)
    text = "\n".join([
        "// Made by po/compile_catalog.py from the template and the languages' files.",
        '#include "core/catalog_languages.h"',
        "",
        "namespace tessaly::text {",
        "",
        "namespace {",
        "",
        "\n\n".join(tables),
        "",
        "}  // namespace",
        "",
        "const Language kTranslations[] = {",
        *records,
        "};",
        f"const int kTranslationCount = {len(records)};",
        "",
        "}  // namespace tessaly::text",
        "",
    ])
    if not output.exists() or output.read_text(encoding="utf-8") != text:
        output.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
