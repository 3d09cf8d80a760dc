#!/usr/bin/env python3
"""The built manual: every link reaches a page and a section that exist, every
picture is there, every page links back to the contents, and the contents
page links every section of every page."""
import html.parser
import os
import sys

folder = sys.argv[1]


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.links, self.images = set(), [], []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.add(a["id"])
        if tag == "a" and "href" in a:
            self.links.append(a["href"])
        if tag == "img":
            self.images.append(a.get("src", ""))


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
