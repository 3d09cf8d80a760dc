#!/usr/bin/env python3
"""The texts the player reads, and their translations.

    scripts/translations.py texts            every text marked for translation
    scripts/translations.py update           the .ts files follow the sources:
                                             new texts added unfinished, gone
                                             ones dropped, translations kept
    scripts/translations.py check            exit 1 when a language misses a
                                             text or changes its placeholders,
                                             when two items of a menu share
                                             their Alt letter or one has none,
                                             or when a text the window shows
                                             is not marked for translation
    scripts/translations.py import CODE FILE the translations of a JSON object
                                             {"English": "translation", ...}
                                             written into CODE's .ts file

Texts are marked in the code with say("...") (the core), ui("...") (the
window) and N_("...") (a table whose entries are translated where shown);
the variant names come from the variant table.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDER = ROOT / "translations"
CONTEXT = "Velmora"
# Code as the file names it, and the language attribute of the file.
LANGUAGES = {"de": "de_DE", "es": "es_ES", "fr": "fr_FR", "it": "it_IT", "nl": "nl_NL", "pt_BR": "pt_BR",
             "ru": "ru_RU", "tr": "tr_TR"}

LITERAL = r'"(?:[^"\\]|\\.)*"'
MARKED = re.compile(r'\b(?:say|ui|N_)\(\s*((?:' + LITERAL + r'\s*)+)[,)]')
# say(white ? "White is to move" : "Black is to move"): both texts.
CHOICE = re.compile(r'\b(?:say|ui)\(\s*[^;"?]*\?\s*((?:' + LITERAL + r'\s*)+):\s*((?:' + LITERAL + r'\s*)+)\)')
COMMENT = re.compile(r'//[^\n]*')
VARIANT = re.compile(r'^\s*\{"([A-Z][a-z ]+)",\s+\d+,', re.M)


def unescape(literals):
    text = ""
    for literal in re.findall(LITERAL, literals):
        body = literal[1:-1]
        text += re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), body)
    return text


def texts():
    found = []
    for folder in ("core", "shell"):
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            source = COMMENT.sub("", path.read_text(encoding="utf-8"))
            matches = [(m.start(), m.group(1)) for m in MARKED.finditer(source)]
            for m in CHOICE.finditer(source):
                matches += [(m.start(1), m.group(1)), (m.start(2), m.group(2))]
            for _, literals in sorted(matches):
                text = unescape(literals)
                if text and text not in found:
                    found.append(text)
    for name in VARIANT.findall((ROOT / "core/rules/board.cpp").read_text(encoding="utf-8")):
        if name not in found:
            found.append(name)
    return found


def read(code):
    path = FOLDER / f"velmora_{code}.ts"
    translations = {}
    if path.exists():
        for message in ET.parse(path).getroot().iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            finished = translation is not None and translation.get("type") not in ("unfinished", "obsolete")
            translations[source] = ((translation.text or "") if translation is not None else "", finished)
    return translations


def write(code, sources, translations):
    root = ET.Element("TS", version="2.1", language=LANGUAGES[code], sourcelanguage="en")
    context = ET.SubElement(root, "context")
    ET.SubElement(context, "name").text = CONTEXT
    for source in sources:
        message = ET.SubElement(context, "message")
        ET.SubElement(message, "source").text = source
        text, finished = translations.get(source, ("", False))
        translation = ET.SubElement(message, "translation")
        translation.text = text
        if not finished:
            translation.set("type", "unfinished")
    ET.indent(root)
    body = ET.tostring(root, encoding="unicode")
    (FOLDER / f"velmora_{code}.ts").write_text(
        '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n", encoding="utf-8")


def marks(text):
    """What a translation must keep of its source: the placeholders, one
    accelerator where the source has one, line breaks and tabs."""
    return (sorted(re.findall(r"%\d", text)), text.count("&") - 2 * text.count("&&") > 0, text.count("\n"),
            text.count("\t"))


MENU = re.compile(r'(\w+) = (?:menuBar\(\)|(\w+))->addMenu\(ui\((' + LITERAL + r')\)\)')
MENU_ITEM = re.compile(r'\badd\((\w+), \{N_\((' + LITERAL + r')\)')
LANGUAGE_ITEM = re.compile(r'\boffer\(ui\((' + LITERAL + r')\)')
LANGUAGE_NAME = re.compile(r'^\s*\{"[a-zA-Z_]+", (' + LITERAL + r')\},', re.M)


def menus():
    """The menus of the window and their items' English texts, by menu."""
    source = COMMENT.sub("", (ROOT / "shell/window_menus.cpp").read_text(encoding="utf-8"))
    found = {"menu bar": []}
    for m in MENU.finditer(source):
        found[m.group(1)] = []
        found[m.group(2) or "menu bar"].append(unescape(m.group(3)))
    for m in MENU_ITEM.finditer(source):
        found[m.group(1)].append(unescape(m.group(2)))
    if "languages" in found:
        found["languages"] += [unescape(m.group(1)) for m in LANGUAGE_ITEM.finditer(source)]
    return found, [unescape(n) for n in LANGUAGE_NAME.findall(
        (ROOT / "shell/system/language.cpp").read_text(encoding="utf-8"))]


def accelerator(text):
    """The Alt letter of a menu text, lower case; None without one."""
    plain = text.replace("&&", "")
    at = plain.find("&")
    return plain[at + 1].lower() if 0 <= at < len(plain) - 1 else None


def accelerator_problems(code, translate, found=None, names=()):
    """Items of one menu that share their letter or have none, as shown in
    the language `code` (translate maps the English text to the shown one);
    the window's menus unless `found` gives others."""
    if found is None:
        found, names = menus()
        # The menus are read from their code: a change there that this
        # reading misses must not pass as "no menus, no problems".
        if len(found) < 5 or "languages" not in found:
            return [f"{code}: the menus were not found"]
    problems = []
    for menu, items in found.items():
        shown = [translate(item) for item in items] + (names if menu == "languages" else [])
        letters = {}
        for text in shown:
            letter = accelerator(text)
            if letter is None:
                problems.append(f"{code}: no Alt letter in the menu item {text!r}")
            elif letter in letters:
                problems.append(f"{code}: {letters[letter]!r} and {text!r} share the Alt letter {letter!r}")
            else:
                letters[letter] = text
    return problems


# A literal handed straight to what shows it: a widget's text, title or tip,
# a menu entry, a list entry, a message box.
SHOWN = re.compile(r'(?:\b(?:setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|'
                   r'setLabelText|setAccessibleName|setAccessibleDescription|addAction|addMenu|addItems?|addTab|'
                   r'setTitle|setHeaderLabels?|messageBox|information|warning|critical|question|showMessage)\(|'
                   r'\bnew (?:QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|QToolButton|QMenu)\()'
                   r'\s*(?:\{\s*)?(?:QString(?:Literal)?\(|QString::fromUtf8\()?\s*(' + LITERAL + ')')
# A message box given a constant: its text must go through say() first.
SHOWN_CONSTANT = re.compile(r'\bmessageBox\(\s*(k[A-Z]\w*)')
# Shown as they are: the program's name, and the message that the
# translation could not be read, which has no translation to go through.
NOT_WORDS = {"Velmora", "The translation could not be read; the texts stay English."}


def unmarked(sources):
    """Texts the window shows without a translation: (name, source code)
    pairs in, "name:line: text" out. A text without two letters in a row is
    no word and passes, as do the tags of rich text."""
    found = []
    for name, source in sources:
        source = COMMENT.sub("", source)
        for m in SHOWN.finditer(source):
            text = re.sub(r"<[^>]*>", "", unescape(m.group(1))).strip()
            if re.search(r"[A-Za-z]{2}", text) and text not in NOT_WORDS:
                found.append(f"{name}:{source.count(chr(10), 0, m.start()) + 1}: not marked for translation: {text!r}")
        for m in SHOWN_CONSTANT.finditer(source):
            found.append(f"{name}:{source.count(chr(10), 0, m.start()) + 1}: shown without say(): {m.group(1)}")
    return found


def code_files():
    for folder in ("core", "shell"):
        for path in sorted((ROOT / folder).rglob("*.cpp")):
            yield str(path.relative_to(ROOT)), path.read_text(encoding="utf-8")


def check():
    sources = texts()
    problems = unmarked(code_files())
    problems += accelerator_problems("en", lambda text: text)
    for code in LANGUAGES:
        translations = read(code)
        for source in sources:
            text, finished = translations.get(source, ("", False))
            if not finished or not text.strip():
                problems.append(f"{code}: not translated: {source!r}")
            elif marks(text) != marks(source):
                problems.append(f"{code}: placeholders, accelerator, line breaks or tabs differ: "
                                f"{source!r} -> {text!r}")
        problems += accelerator_problems(code, lambda english: translations.get(english, (english, False))[0])
    for problem in problems:
        print(problem)
    print(f"{len(sources)} texts, {len(LANGUAGES)} languages, {len(problems)} problems")
    return 1 if problems else 0


def main():
    command = sys.argv[1] if len(sys.argv) > 1 else "check"
    if command == "texts":
        for text in texts():
            print(repr(text))
        return 0
    if command == "update":
        FOLDER.mkdir(exist_ok=True)
        sources = texts()
        for code in LANGUAGES:
            write(code, sources, read(code))
        return 0
    if command == "check":
        return check()
    if command == "import" and len(sys.argv) == 4 and sys.argv[2] in LANGUAGES:
        import json
        code = sys.argv[2]
        given = json.loads(pathlib.Path(sys.argv[3]).read_text(encoding="utf-8"))
        translations = read(code)
        for source, text in given.items():
            translations[source] = (text, bool(text.strip()))
        write(code, texts(), translations)
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main())
