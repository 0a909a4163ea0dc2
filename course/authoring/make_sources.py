#!/usr/bin/env python3
"""Turns the compact course text of this folder into the course source files.

    course/authoring/make_sources.py

Reads 01-chimie.txt, 02-physique.txt, 03-autres.txt (pages) and 04-tests.txt (tests)
and rewrites course/pages/*.toml, course/tests/TCnn.toml, course/dictionary.toml,
the page and question documents course/files/*.rtf and the list of pictures and
videos that course/media draws at build time (course/media/media.txt).

Page text format:
    ## chapitre N | Caption-Title line | st=STYLE [| last=KEY]   table entries of chapter N
    ## groupe NAME | Caption-Title line | st=STYLE [| chain]       other pages
    * KEY | attribute=value | ...                                  a page, then its paragraphs
Attributes: g (media kind), m (picture: drawing:caption, or file:NAME), v (video
animation), k (keywords, comma-separated), mod (module number), an (related video
or MENU01), st (style), b (heading). In a key, \\r stands for a carriage return.
Paragraph markup: **bold**, ^{superscript}, _{subscript}.
"""

import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
COURSE = HERE.parent
SECTIONS = [3, 3, 3, 4, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3]
ENTRIES = [7, 9, 6, 11, 12, 7, 7, 8, 8, 6, 7, 8, 7, 9, 7, 8, 9, 10, 7]

PICTURE_SIZES = {
    "Image": (280, 210),
    "ImageHoriz1": (760, 250),
    "ImageHoriz2": (600, 260),
    "ImageHoriz3": (640, 350),
    "ImageHoriz4": (560, 240),
    "ImageHoriz5": (500, 220),
    "ImageMINI": (130, 130),
}
VIDEO_KINDS = ("AVI sonorisé", "AVI non sonorisé")
STILL_SIZE = (256, 192)
QUESTION_PICTURE_SIZE = (200, 150)


def fail(message):
    sys.exit(f"make_sources: {message}")


def fold(text):
    """The folded form the test window compares typed answers with."""
    table = {"é": "e", "è": "e", "ê": "e", "à": "a", "ù": "u", "ô": "o", "ç": "c",
             "-": "", "_": ""}
    for c in "+*/',;.!?:":
        table[c] = " "
    return "".join(table.get(c, c) for c in text.lower())


def record_text(text):
    """Text as a record holds it: Windows-1252, at most 126 bytes."""
    text = text.replace("→", "->")
    try:
        size = len(text.encode("cp1252"))
    except UnicodeEncodeError:
        fail(f"not Windows-1252: {text!r}")
    if size > 126:
        fail(f"longer than a record: {text!r}")
    return text


def rtf_escape(text):
    out = []
    for c in text:
        if c in "\\{}":
            out.append("\\" + c)
        elif ord(c) < 128:
            out.append(c)
        else:
            try:
                b = c.encode("cp1252")
                out.append("\\'%02x" % b[0])
            except UnicodeEncodeError:
                out.append("\\u%d?" % ord(c))
    return "".join(out)


def rtf_inline(text):
    """A paragraph with its markup as RTF."""
    pieces = re.split(r"(\*\*.+?\*\*|\^\{.+?\}|_\{.+?\})", text)
    out = []
    for p in pieces:
        if p.startswith("**"):
            out.append("{\\b " + rtf_escape(p[2:-2]) + "}")
        elif p.startswith("^{"):
            out.append("{\\super " + rtf_escape(p[2:-1]) + "}")
        elif p.startswith("_{"):
            out.append("{\\sub " + rtf_escape(p[2:-1]) + "}")
        else:
            out.append(rtf_escape(p))
    return "".join(out)


RTF_HEAD = ("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
            "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;}\n")


def page_rtf(paragraphs):
    body = "".join("\\pard\\sa120\\f0\\fs22 " + rtf_inline(p) + "\\par\n" for p in paragraphs)
    return RTF_HEAD + body + "}\n"


def toml_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\r", "\\r") + '"'


class Page:
    def __init__(self, key, attributes, group):
        self.key = key
        self.attributes = attributes
        self.group = group
        self.paragraphs = []
        self.slots = {}


def parse_attributes(parts, where):
    attributes = {}
    for part in parts:
        part = part.strip()
        if "=" in part:
            name, value = part.split("=", 1)
            attributes[name.strip()] = value.strip()
        elif part:
            attributes[part] = "yes"
    return attributes


def read_pages(names):
    groups = []
    for name in names:
        for number, line in enumerate((HERE / name).read_text(encoding="utf-8").splitlines(), 1):
            where = f"{name}:{number}"
            if not line.strip() or line.startswith("# "):
                continue
            if line.startswith("## "):
                parts = line[3:].split("|")
                head = parts[0].split()
                group = {"kind": head[0], "name": " ".join(head[1:]), "bandeau": parts[1].strip(),
                         "options": parse_attributes(parts[2:], where), "pages": []}
                groups.append(group)
            elif line.startswith("* "):
                parts = line[2:].split("|")
                key = parts[0].strip().replace("\\r", "\r")
                groups[-1]["pages"].append(Page(key, parse_attributes(parts[1:], where), groups[-1]))
            else:
                groups[-1]["pages"][-1].paragraphs.append(line.strip())
    return groups


def check_chapter(chapter, pages):
    index = chapter - 1
    expected = []
    per_section = [ENTRIES[index] // SECTIONS[index] + (1 if s < ENTRIES[index] % SECTIONS[index] else 0)
                   for s in range(SECTIONS[index])]
    for s, count in enumerate(per_section, 1):
        expected += [f"{s}.{e}." for e in range(1, count + 1)]
    got = [p.key.split(" ")[0] for p in pages]
    if got != expected:
        fail(f"chapter {chapter}: entries {got}, expected {expected}")


def main():
    groups = read_pages(["01-chimie.txt", "02-physique.txt", "03-autres.txt"])
    chapters = [g for g in groups if g["kind"] == "chapitre"]
    if [int(g["name"]) for g in chapters] != list(range(1, 20)):
        fail("the nineteen chapters must come first, in order")
    pictures = []   # (file, width, height, drawing, caption)
    videos = []     # (file, still, animation, sound, narration)
    all_pages = []
    keys = set()

    for group in groups:
        chained = group["kind"] == "chapitre" or "chain" in group["options"]
        if group["kind"] == "chapitre":
            check_chapter(int(group["name"]), group["pages"])
        for i, page in enumerate(group["pages"]):
            a = page.attributes
            if page.key in keys:
                fail(f"two pages have the key {page.key!r}")
            keys.add(page.key)
            stem = f"p{len(all_pages) + 1:03d}"
            genre = a.get("g", "")
            slots = {"cle": page.key, "texte": stem + ".rtf", "numModule": a.get("mod", "0"),
                     "media": "", "genre": genre, "annexe": a.get("an", ""),
                     "suivante": "", "precedente": "",
                     "style": a.get("st", group["options"].get("st", "0")),
                     "bandeau": a.get("b", group["bandeau"])}
            if chained and i + 1 < len(group["pages"]):
                slots["suivante"] = group["pages"][i + 1].key
            if chained and i > 0:
                slots["precedente"] = group["pages"][i - 1].key
            if genre in PICTURE_SIZES:
                picture = a.get("m") or fail(f"{page.key!r}: a picture page needs m=")
                if picture.startswith("file:"):
                    slots["media"] = picture[5:]
                else:
                    drawing, _, caption = picture.partition(":")
                    slots["media"] = stem + ".jpg"
                    w, h = PICTURE_SIZES[genre]
                    pictures.append((slots["media"], w, h, drawing, caption))
            elif genre in VIDEO_KINDS:
                slots["media"] = stem + ".avi"
                slots["annexe"] = stem + ".jpg"
                sound = genre == "AVI sonorisé"
                videos.append((slots["media"], slots["annexe"], a["v"], sound,
                               page.paragraphs[0] if sound else ""))
            elif "m" in a:
                fail(f"{page.key!r}: m= on a page without picture")
            page.slots = slots
            page.stem = stem
            all_pages.append(page)
        last = group["options"].get("last")
        if last:
            group["pages"][-1].slots["suivante"] = last.replace("\\r", "\r")

    by_key = {p.key: p for p in all_pages}
    for group in groups:
        last = group["options"].get("last")
        if last:
            by_key[last.replace("\\r", "\r")].slots["precedente"] = group["pages"][-1].key

    pages_dir = COURSE / "pages"
    files_dir = COURSE / "files"
    pages_dir.mkdir(exist_ok=True)
    files_dir.mkdir(exist_ok=True)
    for old in pages_dir.glob("*.toml"):
        old.unlink()
    for old in files_dir.glob("*.rtf"):
        old.unlink()

    order = ["cle", "texte", "numModule", "media", "genre", "annexe", "suivante", "precedente",
             "style", "bandeau"]
    for n, group in enumerate(groups, 1):
        label = f"chapitre {group['name']}" if group["kind"] == "chapitre" else group["name"]
        lines = [f"# {label}: written by authoring/make_sources.py from the course text.", ""]
        for page in group["pages"]:
            lines.append("[[page]]")
            for name in order:
                value = page.slots[name]
                if value != "" or name == "cle":
                    if name in ("numModule", "style"):
                        lines.append(f"{name} = {int(value)}")
                    else:
                        lines.append(f"{name} = {toml_string(record_text(value))}")
            lines.append("")
            if not page.paragraphs:
                fail(f"{page.key!r} has no text")
            (files_dir / page.slots["texte"]).write_text(page_rtf(page.paragraphs), encoding="ascii")
        (pages_dir / f"{n:02d}.toml").write_text("\n".join(lines), encoding="utf-8")

    # Dictionary: every keyword of every page.
    words = {}
    for page in all_pages:
        for word in filter(None, (w.strip() for w in page.attributes.get("k", "").split(","))):
            words.setdefault(record_text(word), []).append(page.key)
    lines = ["# The keyword dictionary: written by authoring/make_sources.py from the page keywords.", ""]
    for word in sorted(words, key=str.lower):
        lines += ["[[entree]]", f"mot = {toml_string(word)}",
                  "pages = [" + ", ".join(toml_string(k) for k in words[word]) + "]", ""]
    (COURSE / "dictionary.toml").write_text("\n".join(lines), encoding="utf-8")

    write_tests(keys, pictures)

    media_dir = COURSE / "media"
    media_dir.mkdir(exist_ok=True)
    lines = ["# Pictures and videos drawn at build time: written by authoring/make_sources.py.",
             "# picture FILE WIDTH HEIGHT DRAWING CAPTION / video FILE STILL ANIMATION SOUND"]
    for f, w, h, d, c in pictures:
        lines.append("\t".join(["picture", f, str(w), str(h), d, c]))
    for f, s, anim, sound, _ in videos:
        lines.append("\t".join(["video", f, s, anim, "son" if sound else "muet"]))
    (media_dir / "media.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")
    lines = ["# Narrations of the sound videos, spoken by espeak-ng at build time.",
             "# Written by authoring/make_sources.py: FILE|TEXT"]
    for f, _, _, sound, text in videos:
        if sound:
            # The build reads these lines as a CMake list: no semicolons.
            plain = re.sub(r"\*\*|\^\{|_\{|\}", "", text).replace(";", ",")
            lines.append(f"{f[:-4]}|{plain}")
    (media_dir / "narrations.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")

    entries = sum(len(g["pages"]) for g in chapters)
    print(f"{len(all_pages)} pages ({entries} table entries), {sum(len(v) for v in words.values())} "
          f"dictionary entries, {len(words)} keywords, {len(pictures)} pictures, {len(videos)} videos")


def write_tests(keys, pictures):
    tests = {}
    current = None
    for number, line in enumerate((HERE / "04-tests.txt").read_text(encoding="utf-8").splitlines(), 1):
        where = f"04-tests.txt:{number}"
        if not line.strip() or line.startswith("# "):
            continue
        if line.startswith("## "):
            current = line[3:].strip()
            tests[current] = []
        elif line.startswith("? "):
            parts = [p.strip() for p in line[2:].split("|")]
            question = {"nature": int(parts[0]), "renvoi": parts[1], "choix": [], "right": [],
                        "statement": [], "image": ""}
            if parts[1] not in keys:
                fail(f"{where}: no page {parts[1]!r}")
            for extra in parts[2:]:
                if extra.startswith("img="):
                    question["image"] = extra[4:]
            tests[current].append(question)
        elif line[:2] in ("+ ", "- "):
            q = tests[current][-1]
            if line[0] == "+":
                q["right"].append(len(q["choix"]))
            q["choix"].append(line[2:].strip())
        elif line.startswith("= "):
            q = tests[current][-1]
            word, _, model = (p.strip() for p in line[2:].partition("|"))
            if fold(word) != word:
                fail(f"{where}: key word {word!r} is not folded")
            q["motCle"], q["corrige"] = word, model
        else:
            tests[current][-1]["statement"].append(line.strip())

    tests_dir = COURSE / "tests"
    tests_dir.mkdir(exist_ok=True)
    if sorted(tests) != [f"TC{n:02d}" for n in range(1, 20)]:
        fail("tests TC01 to TC19 expected")
    for name, questions in tests.items():
        if not 4 <= len(questions) <= 8:
            fail(f"{name}: {len(questions)} questions")
        document = name + ".rtf"
        lines = [f"# Test of chapter {int(name[2:])}: written by authoring/make_sources.py.", "",
                 f"document = {toml_string(document)}", ""]
        rtf = [RTF_HEAD]
        for n, q in enumerate(questions, 1):
            lines += ["[[question]]", f"nature = {q['nature']}"]
            if q["nature"] in (1, 2):
                if not 1 <= len(q["choix"]) <= 5 or not q["right"]:
                    fail(f"{name} question {n}: choices")
                if q["nature"] == 1 and len(q["right"]) != 1:
                    fail(f"{name} question {n}: one right choice")
                lines.append("choix = [" + ", ".join(toml_string(record_text(c)) for c in q["choix"]) + "]")
                attendu = q["right"][0] if q["nature"] == 1 else sum(10 ** i for i in q["right"])
                lines.append(f"attendu = {attendu}")
            else:
                lines += [f"motCle = {toml_string(record_text(q['motCle']))}",
                          f"corrige = {toml_string(record_text(q['corrige']))}"]
            lines.append(f"renvoi = {toml_string(record_text(q['renvoi']))}")
            if q["image"]:
                drawing, _, caption = q["image"].partition(":")
                picture = f"{name}-{n}.jpg"
                pictures.append((picture, *QUESTION_PICTURE_SIZE, drawing, caption))
                lines.append(f"image = {toml_string(picture)}")
            lines.append("")
            # The statement starts right after the marker's own line.
            rtf.append(f"\\pard\\f0\\fs20 #RP-{n:02d}\\par\n")
            rtf += ["\\pard\\f0\\fs24 " + rtf_inline(s) + "\\par\n" for s in q["statement"]]
            rtf.append("#-o-O-o-#\\par\n")
        rtf.append("}\n")
        (tests_dir / f"{name}.toml").write_text("\n".join(lines), encoding="utf-8")
        (COURSE / "files" / document).write_text("".join(rtf), encoding="ascii")


if __name__ == "__main__":
    main()
