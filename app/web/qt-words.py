#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Keeps of Qt's own translation (a .ts file, as lconvert writes it from qtbase_LANG.qm) only the
# words the program's windows can show: the message box's button, the context menus of the
# boxes and the results, and the names of their keys. The whole file would add as much to the
# page's download as the program's own code.
#   qt-words.py IN.ts OUT.ts
import sys
import xml.etree.ElementTree as ElementTree

SHOWN = {"QPlatformTheme", "QDialogButtonBox", "QMessageBox", "QLineEdit",
         "QWidgetTextControl", "QShortcut"}

tree = ElementTree.parse(sys.argv[1])
root = tree.getroot()
for context in list(root.findall("context")):
    if context.findtext("name") not in SHOWN:
        root.remove(context)
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
