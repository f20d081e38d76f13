#!/usr/bin/env python3
"""Presses and releases X key codes through XTEST, exactly as a keyboard would, without the
modifier juggling xdotool adds around modifier keys: fake_key.py CODE:HOLD_MS:PAUSE_MS ...
(37 is Left Ctrl, 105 Right Ctrl on the usual evdev key map)."""
import ctypes
import sys
import time

x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the X display")
for step in sys.argv[1:]:
    code, hold_ms, pause_ms = (int(part) for part in step.split(":"))
    xtst.XTestFakeKeyEvent(display, code, 1, 0)
    x11.XFlush(display)
    time.sleep(hold_ms / 1000)
    xtst.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XFlush(display)
    time.sleep(pause_ms / 1000)
x11.XCloseDisplay(display)
