#!/usr/bin/env python3
"""The translations check itself: it finds a shown text that is not marked
for translation, a message box given a constant, two items of a menu that
share their Alt letter and an item without one; and it lets marked texts,
texts that are no words and the window's own menus pass."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
import translations  # noqa: E402

faults = []


def expect(name, got, wanted):
    if got != wanted:
        faults.append(f"{name}:\n  wanted {wanted}\n  got    {got}")


source = '''
  label->setText("Game over");              // a word, shown as it is
  auto* b = new QPushButton(QString("Play"));
  box->addItem(ui("Marked"));
  a->setToolTip(ui("Also marked"));
  host.messageBox(kSomeMessage, MessageIcon::Information, MessageButtons::Ok);
  host.messageBox(say(kSomeMessage), MessageIcon::Information, MessageButtons::Ok);
  edit->setText("%1 %");
  t->setText("<h2>Velmora</h2>");
  // w->setText("only in a comment");
'''
expect("unmarked texts", translations.unmarked([("x.cpp", source)]), [
    "x.cpp:2: not marked for translation: 'Game over'",
    "x.cpp:3: not marked for translation: 'Play'",
    "x.cpp:6: shown without say(): kSomeMessage",
])

menus = {"menu bar": ["&Game", "&Help"], "game": ["&New...", "&Next", "Quit"]}
expect("accelerators", translations.accelerator_problems("xx", lambda text: text, menus), [
    "xx: '&New...' and '&Next' share the Alt letter 'n'",
    "xx: no Alt letter in the menu item 'Quit'",
])
shown = {"&Game": "&Partie", "&Help": "&Aide", "&New...": "&Nouvelle...", "&Next": "&Suivant", "Quit": "&Quitter"}
expect("accelerators as translated", translations.accelerator_problems("fr", shown.get, menus), [])
expect("a doubled ampersand is no accelerator", translations.accelerator("Save && &quit"), "q")

expect("the window's menus read", translations.accelerator_problems("en", lambda text: text), [])
expect("the window's code", translations.unmarked(translations.code_files()), [])

for fault in faults:
    print(fault)
print(f"translations check: {len(faults)} faults")
sys.exit(1 if faults else 0)
