#!/usr/bin/env python3
"""A time-of-flight board on the far end of a pty: comma-separated frames
ending CR LF, paced to a byte rate, optionally cut at random points.

    fake_tof_board.py DEVICE --count N [--frames F | --seconds T] [--seed S]
                      [--rate BYTES_PER_S] [--cut] [--print | --last]

Values are random in 0..4100, so some fall outside a 51..3999 window.
With --print every frame sent is printed as a JSON list, with --last only
the last one; the last line is {"done": frames, "bytes": n, "seconds": t}.
"""
import argparse
import json
import os
import random
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
    ap.add_argument("--count", type=int, required=True)
    ap.add_argument("--frames", type=int, default=0)
    ap.add_argument("--seconds", type=float, default=0)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--rate", type=float, default=0)
    ap.add_argument("--cut", action="store_true")
    ap.add_argument("--print", action="store_true")
    ap.add_argument("--last", action="store_true")
    args = ap.parse_args()

    rng = random.Random(args.seed)
    fd = os.open(args.device, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    start = time.monotonic()
    sent = 0
    frames = 0
    values = []
    while True:
        if args.frames and frames >= args.frames:
            break
        if args.seconds and time.monotonic() - start >= args.seconds:
            break
        values = [rng.randint(0, 4100) for _ in range(args.count)]
        data = (",".join(str(v) for v in values) + "\r\n").encode()
        if args.print:
            print(json.dumps(values))
        while data:
            n = rng.randint(1, 700) if args.cut else len(data)
            write_all(fd, data[:n])
            data = data[n:]
            sent += n
            if args.rate > 0:
                delay = start + sent / args.rate - time.monotonic()
                if delay > 0:
                    time.sleep(delay)
        frames += 1
    if args.last:
        print(json.dumps(values))
    # Let the last bytes leave before the pty may go.
    time.sleep(0.05)
    print(json.dumps({"done": frames, "bytes": sent, "seconds": round(time.monotonic() - start, 3)}), flush=True)
    os.close(fd)
    return 0


if __name__ == "__main__":
    sys.exit(main())
