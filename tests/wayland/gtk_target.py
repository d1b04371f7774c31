#!/usr/bin/python3
"""A native Wayland GTK 3 text window as the user's window.

Usage: gtk_target.py APP_ID TITLE OUT [TEXT]
Its app_id is APP_ID; its text is written to the file OUT whenever it
changes; TEXT, when given, starts in it selected. SIGUSR1 runs the text
view's copy command (what its Ctrl+C runs): wtype's modifiers do not reach
GTK on a headless sway, so the test cannot press Ctrl+C itself.
"""
import os
import signal
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402

app_id, title, out = sys.argv[1:4]
# GTK names a plain window's Wayland app_id after the program's name.
GLib.set_prgname(app_id)
window = Gtk.Window(title=title)
window.set_default_size(400, 150)
view = Gtk.TextView()
window.add(view)
buffer = view.get_buffer()


def write_content(*_):
    text = buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True)
    with open(out + ".tmp", "w", encoding="utf-8") as file:
        file.write(text)
    os.replace(out + ".tmp", out)


if len(sys.argv) > 4:
    buffer.set_text(sys.argv[4])
    buffer.select_range(buffer.get_start_iter(), buffer.get_end_iter())
write_content()
buffer.connect("changed", write_content)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, lambda: view.emit("copy-clipboard") or True)
window.connect("destroy", Gtk.main_quit)
window.show_all()
view.grab_focus()
Gtk.main()
