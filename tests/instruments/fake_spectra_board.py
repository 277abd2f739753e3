#!/usr/bin/env python3
"""A spectral sensor board on the far end of a pty: sweeps of "F3:512" CR LF
lines for one chip, cut at random points, paced to a byte rate.

    fake_spectra_board.py DEVICE AS7341|AS7343|AS7265X --sweeps N --seed S
        [--rate BYTES_PER_S] [--seconds T] [--split-crlf]

--split-crlf writes each line's CR and LF separately.  With --seconds the
board sweeps until that time has passed.  Prints the values of the last
sweep as JSON, then {"done": lines, "seconds": t}.
"""
import argparse, json, os, random, sys, time, tty

NAMES = {
    "AS7341": ["F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "NIR"],
    "AS7343": ["F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "NIR", "FXL", "FZ", "FY"],
    "AS7265X": ["F%d" % i for i in range(1, 19)],
}


def write_all(fd, data):
    while data:
        try:
            data = data[os.write(fd, data):]
        except BlockingIOError:
            time.sleep(0.001)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("device")
    ap.add_argument("chip", choices=sorted(NAMES))
    ap.add_argument("--sweeps", type=int, default=1)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--rate", type=float, default=0)
    ap.add_argument("--seconds", type=float, default=0)
    ap.add_argument("--split-crlf", action="store_true")
    a = ap.parse_args()
    rng = random.Random(a.seed)
    fd = os.open(a.device, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
    tty.setraw(fd)
    start = time.monotonic()
    lines = sent = sweep = 0
    values = []
    while sweep < a.sweeps or time.monotonic() - start < a.seconds:
        values = [rng.randint(0, 1000) for _ in NAMES[a.chip]]
        for name, v in zip(NAMES[a.chip], values):
            text = ("%s:%d\r\n" % (name, v)).encode()
            parts = [text[:-1], text[-1:]] if a.split_crlf else [text]
            for part in parts:
                while part:
                    n = rng.randint(1, 9)
                    write_all(fd, part[:n])
                    part = part[n:]
            lines += 1
            sent += len(text)
            if a.rate > 0:
                delay = start + sent / a.rate - time.monotonic()
                if delay > 0:
                    time.sleep(delay)
        sweep += 1
    time.sleep(0.05)
    print(json.dumps({"values": values}))
    print(json.dumps({"done": lines, "seconds": round(time.monotonic() - start, 3)}), flush=True)
    os.close(fd)
    return 0


if __name__ == "__main__":
    sys.exit(main())
