#!/usr/bin/env python3
"""A sensor board on the far end of a pty: environment sets or oscilloscope
lines, cut at random points, with the values sent printed as JSON lines.

    fake_sensor_board.py DEVICE env|osc --sets N --seed S [--rate LINES_PER_S]

env: N sets of six lines (humidity, temperature, barometer, ultraviolet,
CO2, TVOC), the values changing per set.  osc: N lines "$0:..;$1:..;$2:..;$3:..;".
Without --rate every write of 1-9 bytes is followed by a 2 ms pause; with it
the lines are paced to that many per second (0: as fast as possible).
Prints one JSON object per set or line sent, then {"done": lines, "seconds": t}.
"""
import argparse
import json
import os
import random
import sys
import time
import tty


def env_set(rng, i):
    v = {
        "humidity": round(rng.uniform(20.0, 90.0), 1),
        "temperature": round(rng.uniform(-20.0, 60.0), 2),
        "barometer": rng.randint(900, 1100),
        "ultraviolet": rng.randint(1, 1200),
        "co2": rng.randint(400, 15000),
        "tvoc": rng.randint(1, 5000),
        "set": i,
    }
    lines = [
        "Humidity:%s%%\r\n" % v["humidity"],
        "Temperature:%sC\r\n" % v["temperature"],
        "Barometer:%dPa\r\n" % v["barometer"],
        "Ultraviolet:%d\r\n" % v["ultraviolet"],
        "CO2:%dppm\r\n" % v["co2"],
        "TVOC:%dppb\r\n" % v["tvoc"],
    ]
    return v, [l.encode() for l in lines]


def osc_line(rng, i):
    # Never zero, so a zero on the chart can only be a cut line gone wrong.
    vals = [round(rng.uniform(1.0, 100.0), 2) * rng.choice((1, -1)) for _ in range(4)]
    text = "".join("$%d:%s;" % (k, vals[k]) for k in range(4)) + "\r\n"
    return {"line": i, "values": vals}, [text.encode()]


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
    ap.add_argument("mode", choices=("env", "osc"))
    ap.add_argument("--sets", type=int, default=1)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--rate", type=float, default=None)
    args = ap.parse_args()

    rng = random.Random(args.seed)
    fd = os.open(args.device, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    make = env_set if args.mode == "env" else osc_line
    start = time.monotonic()
    lines = 0
    pending = b""
    for i in range(args.sets):
        info, chunk = make(rng, i)
        pending += b"".join(chunk)
        lines += len(chunk)
        print(json.dumps(info), flush=False)
        if args.rate is None:
            while pending:
                n = rng.randint(1, 9)
                write_all(fd, pending[:n])
                pending = pending[n:]
                time.sleep(0.002)
        else:
            # Cut at random points, but keep to the line rate.
            while len(pending) > 9:
                n = rng.randint(1, 9)
                write_all(fd, pending[:n])
                pending = pending[n:]
            if args.rate > 0:
                due = start + lines / args.rate
                delay = due - time.monotonic()
                if delay > 0:
                    time.sleep(delay)
    write_all(fd, pending)
    # Let the last bytes leave before the pty may go.
    time.sleep(0.05)
    print(json.dumps({"done": lines, "seconds": round(time.monotonic() - start, 3)}), flush=True)
    os.close(fd)
    return 0


if __name__ == "__main__":
    sys.exit(main())
