#!/usr/bin/env python3
"""The built manual: every link reaches a page and a section that exist, every
picture is there with its caption in the table cell right under it (the
layout the help window's text browser draws as a browser does), every page
links back to the contents, and the contents page links every section of
every page."""
import html.parser
import os
import sys

folder = sys.argv[1]


class Cell:
    def __init__(self):
        self.text, self.images = "", []


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.links, self.images = set(), [], []
        self.tables = []  # each a list of rows, each a list of Cells
        self.open_tables = []
        self.loose_images = []  # pictures outside every table cell

    def cell(self):
        table = self.open_tables[-1] if self.open_tables else None
        return table[-1][-1] if table and table[-1] else None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.add(a["id"])
        if tag == "a" and "href" in a:
            self.links.append(a["href"])
        if tag == "table":
            self.open_tables.append([])
            self.tables.append(self.open_tables[-1])
        elif tag == "tr" and self.open_tables:
            self.open_tables[-1].append([])
        elif tag in ("td", "th") and self.open_tables and self.open_tables[-1]:
            self.open_tables[-1][-1].append(Cell())
        if tag == "img":
            self.images.append(a.get("src", ""))
            if self.cell() is None:
                self.loose_images.append(a.get("src", ""))
            else:
                self.cell().images.append((a.get("src", ""), a.get("alt", "")))

    def handle_endtag(self, tag):
        if tag == "table" and self.open_tables:
            self.open_tables.pop()

    def handle_data(self, data):
        if self.cell() is not None:
            self.cell().text += data


def caption_faults(name, page):
    """Every picture alone in its cell, and the cell under it holding the
    caption its alt text gives."""
    faults = [f"{name}: picture {src} is not in a table cell" for src in page.loose_images]
    for table in page.tables:
        for r, row in enumerate(table):
            for c, cell in enumerate(row):
                for src, alt in cell.images:
                    below = table[r + 1][c] if r + 1 < len(table) and c < len(table[r + 1]) else None
                    text = " ".join(below.text.split()) if below else ""
                    if len(cell.images) > 1:
                        faults.append(f"{name}: {src} shares its cell with another picture")
                    elif below is None or below.images:
                        faults.append(f"{name}: {src} has no caption under it")
                    elif text != " ".join(alt.split()):
                        faults.append(f"{name}: under {src} stands {text!r}, not its caption {alt!r}")
    return faults


pages = {}
for name in sorted(os.listdir(folder)):
    if name.endswith(".html"):
        page = Page()
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            page.feed(f.read())
        pages[name] = page

faults = []
for name, page in pages.items():
    for link in page.links:
        if link.startswith(("http:", "https:", "mailto:")):
            continue
        target, _, anchor = link.partition("#")
        target = target or name
        if target not in pages:
            faults.append(f"{name}: link to missing page {link}")
        elif anchor and anchor not in pages[target].ids:
            faults.append(f"{name}: link to missing section {link}")
    for image in page.images:
        if not os.path.isfile(os.path.join(folder, image)):
            faults.append(f"{name}: missing picture {image}")
    faults += caption_faults(name, page)
    if name != "index.html" and "index.html" not in page.links:
        faults.append(f"{name}: no link back to the contents")

contents = set(pages["index.html"].links)
for name, page in pages.items():
    if name == "index.html":
        continue
    for section in page.ids:
        if f"{name}#{section}" not in contents:
            faults.append(f"index.html: the contents miss {name}#{section}")

for fault in faults:
    print(fault)
print(f"manual: {len(pages)} pages, {len(faults)} faults")
sys.exit(1 if faults else 0)
