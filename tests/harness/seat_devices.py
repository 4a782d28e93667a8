#!/usr/bin/env python3
"""Gives a headless wlroots compositor's seat a keyboard and a pointer for as long as it runs.

A headless compositor has no input devices, so its seat offers clients neither keyboard nor
pointer: clicks moved by the compositor's own cursor commands reach nobody, and a keyboard that
appears only while a key is typed races the client binding it. This client creates one virtual
pointer and one virtual keyboard (US layout) and keeps them; keys and clicks are then sent by
other tools. It prints "ready" once the compositor has both, and ends when the compositor does.
Usage: seat_devices.py  (WAYLAND_DISPLAY names the compositor's socket)
"""

import array
import os
import socket
import struct
import sys

KEYMAP = b"""xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" };
    xkb_types { include "complete" };
    xkb_compat { include "complete" };
    xkb_symbols { include "pc+us+inet(evdev)" };
};
\0"""


def connect():
    name = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
    if not name.startswith("/"):
        name = os.path.join(os.environ["XDG_RUNTIME_DIR"], name)
    sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    sock.connect(name)
    return sock


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def send(sock, obj, opcode, args=b"", fds=()):
    header = struct.pack("<II", obj, (8 + len(args)) << 16 | opcode)
    ancillary = []
    if fds:
        ancillary = [(socket.SOL_SOCKET, socket.SCM_RIGHTS, array.array("i", fds))]
    sock.sendmsg([header + args], ancillary)


class Reader:
    def __init__(self, sock):
        self.sock = sock
        self.buffer = b""

    def event(self):
        while True:
            if len(self.buffer) >= 8:
                obj, word = struct.unpack_from("<II", self.buffer)
                size = word >> 16
                if len(self.buffer) >= size:
                    body = self.buffer[8:size]
                    self.buffer = self.buffer[size:]
                    return obj, word & 0xFFFF, body
            data = self.sock.recv(65536)
            if not data:
                return None
            self.buffer += data


def main():
    sock = connect()
    reader = Reader(sock)
    display, registry, callback = 1, 2, 3
    send(sock, display, 1, struct.pack("<I", registry))  # get_registry
    send(sock, display, 0, struct.pack("<I", callback))  # sync
    globals_ = {}
    while True:
        event = reader.event()
        if event is None:
            sys.exit("the compositor closed the connection")
        obj, opcode, body = event
        if obj == registry and opcode == 0:
            name, length = struct.unpack_from("<II", body)
            interface = body[8:8 + length - 1].decode()
            globals_[interface] = name
        elif obj == callback:
            break
    wanted = ["wl_seat", "zwlr_virtual_pointer_manager_v1", "zwp_virtual_keyboard_manager_v1"]
    missing = [interface for interface in wanted if interface not in globals_]
    if missing:
        sys.exit("the compositor lacks " + ", ".join(missing))

    seat, pointers, keyboards, pointer, keyboard, done = 4, 5, 6, 7, 8, 9
    for interface, new_id in zip(wanted, (seat, pointers, keyboards)):
        send(sock, registry, 0,
             struct.pack("<I", globals_[interface]) + string(interface) +
             struct.pack("<II", 1, new_id))
    send(sock, pointers, 0, struct.pack("<II", seat, pointer))  # create_virtual_pointer
    send(sock, keyboards, 0, struct.pack("<II", seat, keyboard))  # create_virtual_keyboard
    keymap = os.memfd_create("keymap")
    os.write(keymap, KEYMAP)
    send(sock, keyboard, 0, struct.pack("<II", 1, len(KEYMAP)), [keymap])  # keymap, xkb v1
    os.close(keymap)
    send(sock, display, 0, struct.pack("<I", done))
    while True:
        event = reader.event()
        if event is None:
            sys.exit("the compositor closed the connection")
        if event[0] == done:
            break
    print("ready", flush=True)
    while reader.event() is not None:
        pass


if __name__ == "__main__":
    main()
