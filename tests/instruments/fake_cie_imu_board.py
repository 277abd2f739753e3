#!/usr/bin/env python3
"""A CIE or IMU board on the far end of a pty, writing its lines cut
exactly where the test says.

    fake_cie_imu_board.py DEVICE [--pause MS] [--junk N] PIECE...

Each PIECE is one write (backslash escapes such as \\r and \\n are decoded),
followed by a pause of MS milliseconds (default 100) so the program reads
it as a batch of its own.  --junk first writes about N bytes of printable noise
without any line end, in items ended by ";".  Prints {"written": bytes} at the end.
"""
import argparse
import json
import os
import sys
import time
import tty


def write_all(fd, data):
    while data:
        try:
            n = os.write(fd, data)
            data = data[n:]
        except BlockingIOError:
            time.sleep(0.001)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("device")
    ap.add_argument("pieces", nargs="*")
    ap.add_argument("--pause", type=float, default=100)
    ap.add_argument("--junk", type=int, default=0)
    args = ap.parse_args()

    fd = os.open(args.device, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    written = 0
    noise = b"0123456789 abcdef;" * 256
    while written < args.junk:
        write_all(fd, noise)
        written += len(noise)
    for piece in args.pieces:
        data = piece.encode("latin-1").decode("unicode_escape").encode("latin-1")
        write_all(fd, data)
        written += len(data)
        time.sleep(args.pause / 1000.0)
    print(json.dumps({"written": written}), flush=True)
    os.close(fd)
    return 0


if __name__ == "__main__":
    sys.exit(main())
