#!/usr/bin/env python3
"""A CIE or IMU board on the far end of a pty, cutting its lines exactly
where the test says:  fake_cie_imu_board.py [--junk N] DEVICE PIECE...

Each PIECE (backslash escapes decoded) is one write, followed by a 100 ms
pause so the program reads it as a batch of its own.  --junk first writes
about N bytes of noise without a line end, in items ended by ";".
"""
import argparse
import os
import sys
import time
import tty


def write_all(fd, data):
    while data:
        try:
            data = data[os.write(fd, data):]
        except BlockingIOError:
            time.sleep(0.001)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--junk", type=int, default=0)
    ap.add_argument("device")
    ap.add_argument("pieces", nargs="*")
    args = ap.parse_args()
    fd = os.open(args.device, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    for _ in range(0, args.junk, 4608):
        write_all(fd, b"0123456789 abcdef;" * 256)
    for piece in args.pieces:
        write_all(fd, piece.encode("latin-1").decode("unicode_escape").encode("latin-1"))
        time.sleep(0.1)
    os.close(fd)
    return 0


if __name__ == "__main__":
    sys.exit(main())
