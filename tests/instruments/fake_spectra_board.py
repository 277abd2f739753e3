#!/usr/bin/env python3
"""A spectral board on the far end of a pty: sweeps of "F3:512" CR LF lines,
cut into 1-9 byte writes, optionally paced to a byte rate.
    fake_spectra_board.py DEVICE CHIP --sweeps N --seed S [--rate B/s] [--seconds T] [--split-crlf]
Prints the last sweep's values as JSON, then {"done": lines, "seconds": t}."""
import argparse, json, os, random, time, tty

NAMES = {"AS7341": "F1 F2 F3 F4 F5 F6 F7 F8 NIR".split(),
         "AS7343": "F1 F2 F3 F4 F5 F6 F7 F8 NIR FXL FZ FY".split(),
         "AS7265X": ["F%d" % i for i in range(1, 19)]}

ap = argparse.ArgumentParser()
ap.add_argument("device")
ap.add_argument("chip", choices=sorted(NAMES))
ap.add_argument("--sweeps", type=int, default=1)
ap.add_argument("--seed", type=int, default=1)
ap.add_argument("--rate", type=float, default=0)
ap.add_argument("--seconds", type=float, default=0)
ap.add_argument("--split-crlf", action="store_true")  # CR and LF in separate writes
a = ap.parse_args()
rng = random.Random(a.seed)
fd = os.open(a.device, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
tty.setraw(fd)
start = time.monotonic()
lines = sent = sweep = 0
while sweep < a.sweeps or time.monotonic() - start < a.seconds:
    values = [rng.randint(0, 1000) for _ in NAMES[a.chip]]
    for name, v in zip(NAMES[a.chip], values):
        text = ("%s:%d\r\n" % (name, v)).encode()
        for part in ([text[:-1], text[-1:]] if a.split_crlf else [text]):
            while part:
                n = rng.randint(1, 9)
                try:
                    part = part[os.write(fd, part[:n]):]
                except BlockingIOError:
                    time.sleep(0.001)
        lines += 1
        sent += len(text)
        if a.rate > 0:
            time.sleep(max(0, start + sent / a.rate - time.monotonic()))
    sweep += 1
time.sleep(0.05)
print(json.dumps({"values": values}))
print(json.dumps({"done": lines, "seconds": round(time.monotonic() - start, 3)}), flush=True)
