#!/usr/bin/env python3
"""Counts the bell requests of an X display: writes one line to the file named, as each bell
rings, until it is ended; the file is made empty once it watches. Programs ring the bell with
the core protocol's Bell request, which the X keyboard extension reports to every client that
asks for its bell events."""

import ctypes
import sys

XKB_USE_CORE_KBD = 0x100
XKB_BELL_NOTIFY = 8
XKB_BELL_NOTIFY_MASK = 1 << XKB_BELL_NOTIFY

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XkbQueryExtension.argtypes = [ctypes.c_void_p] + [ctypes.POINTER(ctypes.c_int)] * 5
x11.XkbSelectEvents.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]


class XkbAnyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("time", ctypes.c_ulong),
                ("xkb_type", ctypes.c_int), ("device", ctypes.c_uint)]


class Event(ctypes.Union):
    _fields_ = [("any", XkbAnyEvent), ("pad", ctypes.c_long * 24)]


display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
opcode, base, error = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
major, minor = ctypes.c_int(1), ctypes.c_int(0)
if not x11.XkbQueryExtension(display, ctypes.byref(opcode), ctypes.byref(base),
                             ctypes.byref(error), ctypes.byref(major), ctypes.byref(minor)):
    sys.exit("the display has no keyboard extension")
x11.XkbSelectEvents(display, XKB_USE_CORE_KBD, XKB_BELL_NOTIFY_MASK, XKB_BELL_NOTIFY_MASK)
x11.XSync(display, 0)
with open(sys.argv[1], "w") as bells:
    event = Event()
    while True:
        x11.XNextEvent(display, ctypes.byref(event))
        if event.any.type == base.value and event.any.xkb_type == XKB_BELL_NOTIFY:
            bells.write("bell\n")
            bells.flush()
