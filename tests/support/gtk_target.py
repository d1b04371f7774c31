#!/usr/bin/python3
"""A native Wayland GTK 3 text window as the user's window, for the
end-to-end tests on sway and on mutter.

Usage: gtk_target.py APP_ID TITLE OUT [TEXT]
Its app_id is APP_ID; its text is written to the file OUT whenever it
changes, and whether the window is active to OUT.focus (a line per change),
so a test reads what arrived and whether the focus ever left. TEXT, when
given, starts in it selected.
SIGUSR1 runs the text view's copy command (what its Ctrl+C runs); SIGUSR2
copies the text of the file OUT.copy without touching the window's own
text. The tests cannot press Ctrl+C themselves: neither wtype's modifiers on
a headless sway nor XTest on mutter reach a Wayland window.
"""
import os
import signal
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, GLib, Gtk  # noqa: E402

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


def write_focus(*_):
    with open(out + ".focus", "a", encoding="utf-8") as file:
        file.write("active\n" if window.is_active() else "inactive\n")


def copy_file_text():
    with open(out + ".copy", encoding="utf-8") as file:
        text = file.read()
    clipboard = Gtk.Clipboard.get(Gdk.SELECTION_CLIPBOARD)
    clipboard.set_text(text, -1)
    clipboard.store()
    return GLib.SOURCE_CONTINUE


if len(sys.argv) > 4:
    buffer.set_text(sys.argv[4])
    buffer.select_range(buffer.get_start_iter(), buffer.get_end_iter())
write_content()
buffer.connect("changed", write_content)
window.connect("notify::is-active", write_focus)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, lambda: view.emit("copy-clipboard") or True)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2, copy_file_text)
window.connect("destroy", Gtk.main_quit)
window.show_all()
view.grab_focus()
write_focus()
Gtk.main()
