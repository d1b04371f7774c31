#!/usr/bin/python3
"""A GTK 3 text window on Wayland for the end-to-end tests on mutter.

Its text is written to GTK_OUT whenever it changes, and whether the window
is active to GTK_OUT.focus (one line per change), so a test can read what
arrived and whether the focus ever left. On SIGUSR1 it copies the text in
GTK_OUT.copy to the clipboard, as a user's Ctrl+C in it would.
"""
import os
import signal

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, GLib, Gtk  # noqa: E402

OUT = os.environ["GTK_OUT"]


def write(path, text, mode="w"):
    with open(path + ".tmp", "w", encoding="utf-8") if mode == "w" else open(path, "a", encoding="utf-8") as f:
        f.write(text)
    if mode == "w":
        os.replace(path + ".tmp", path)


def main():
    window = Gtk.Window(title="gtk-target")
    window.set_default_size(400, 150)
    view = Gtk.TextView()
    window.add(view)
    buffer = view.get_buffer()

    def content_changed(_buffer):
        write(OUT, buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True))

    def active_changed(_window, _param):
        write(OUT + ".focus", "active\n" if window.is_active() else "inactive\n", "a")

    def copy():
        with open(OUT + ".copy", encoding="utf-8") as f:
            text = f.read()
        clipboard = Gtk.Clipboard.get(Gdk.SELECTION_CLIPBOARD)
        clipboard.set_text(text, -1)
        clipboard.store()
        return GLib.SOURCE_CONTINUE

    buffer.connect("changed", content_changed)
    window.connect("notify::is-active", active_changed)
    window.connect("destroy", Gtk.main_quit)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, copy)
    write(OUT, "")
    window.show_all()
    view.grab_focus()
    active_changed(window, None)
    Gtk.main()


if __name__ == "__main__":
    main()
