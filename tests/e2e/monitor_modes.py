#!/usr/bin/env python3
"""Makes the virtual display's output list what a usual monitor offers.

Xvfb's output lists only the mode it was started with, and the game switches
only to a mode the output lists. This adds 1024x768 at 75.03 Hz and at
60.00 Hz (VESA timings) to the first output of $DISPLAY, prints "ready" and
then waits until it is terminated: the server drops the modes when this
connection closes.
"""
import ctypes
import signal
import sys

x11 = ctypes.CDLL("libX11.so.6")
xrandr = ctypes.CDLL("libXrandr.so.2")


class ModeInfo(ctypes.Structure):
    _fields_ = [
        ("id", ctypes.c_ulong),
        ("width", ctypes.c_uint),
        ("height", ctypes.c_uint),
        ("dotClock", ctypes.c_ulong),
        ("hSyncStart", ctypes.c_uint),
        ("hSyncEnd", ctypes.c_uint),
        ("hTotal", ctypes.c_uint),
        ("hSkew", ctypes.c_uint),
        ("vSyncStart", ctypes.c_uint),
        ("vSyncEnd", ctypes.c_uint),
        ("vTotal", ctypes.c_uint),
        ("name", ctypes.c_char_p),
        ("nameLength", ctypes.c_uint),
        ("modeFlags", ctypes.c_ulong),
    ]


class ScreenResources(ctypes.Structure):
    _fields_ = [
        ("timestamp", ctypes.c_ulong),
        ("configTimestamp", ctypes.c_ulong),
        ("ncrtc", ctypes.c_int),
        ("crtcs", ctypes.POINTER(ctypes.c_ulong)),
        ("noutput", ctypes.c_int),
        ("outputs", ctypes.POINTER(ctypes.c_ulong)),
        ("nmode", ctypes.c_int),
        ("modes", ctypes.POINTER(ModeInfo)),
    ]


x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xrandr.XRRGetScreenResources.restype = ctypes.POINTER(ScreenResources)
xrandr.XRRGetScreenResources.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xrandr.XRRCreateMode.restype = ctypes.c_ulong
xrandr.XRRCreateMode.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ModeInfo)]
xrandr.XRRAddOutputMode.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong]

# width, height, pixel clock, horizontal sync start, end, total, vertical ...
MODES = [
    (1024, 768, 78750000, 1040, 1136, 1312, 769, 772, 800),
    (1024, 768, 65000000, 1048, 1184, 1344, 771, 777, 806),
]


def main():
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("monitor_modes: cannot open the display")
    root = x11.XDefaultRootWindow(display)
    resources = xrandr.XRRGetScreenResources(display, root)
    if not resources or resources.contents.noutput < 1:
        sys.exit("monitor_modes: the display has no RandR output")
    output = resources.contents.outputs[0]
    names = []  # kept alive while the requests go out
    for width, height, clock, hss, hse, ht, vss, vse, vt in MODES:
        name = ctypes.create_string_buffer(f"{width}x{height}_{clock}".encode())
        names.append(name)
        info = ModeInfo(0, width, height, clock, hss, hse, ht, 0, vss, vse, vt,
                        ctypes.cast(name, ctypes.c_char_p), len(name.value), 0)
        mode = xrandr.XRRCreateMode(display, root, ctypes.byref(info))
        xrandr.XRRAddOutputMode(display, output, mode)
    x11.XSync(display, 0)
    print("ready", flush=True)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    while True:
        signal.pause()


if __name__ == "__main__":
    main()
