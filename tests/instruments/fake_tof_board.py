#!/usr/bin/env python3
"""A ToF board on the far end of a pty: N random values (0..4100) per
CR LF line, paced to a byte rate, optionally cut at random points.

    fake_tof_board.py DEVICE COUNT (--frames F | --seconds T) [--seed S]
                      [--rate BYTES_PER_S] [--cut]

Prints every frame as a JSON list, then {"done": frames, "seconds": t}.
"""
import argparse, json, os, random, sys, time, tty

ap = argparse.ArgumentParser()
ap.add_argument("device")
ap.add_argument("count", type=int)
ap.add_argument("--frames", type=int, default=0)
ap.add_argument("--seconds", type=float, default=0)
ap.add_argument("--seed", type=int, default=1)
ap.add_argument("--rate", type=float, default=0)
ap.add_argument("--cut", action="store_true")
args = ap.parse_args()

rng = random.Random(args.seed)
fd = os.open(args.device, os.O_RDWR | os.O_NOCTTY)
tty.setraw(fd)
start = time.monotonic()
sent = frames = 0
while (not args.frames or frames < args.frames) and \
        (not args.seconds or time.monotonic() - start < args.seconds):
    values = [rng.randint(0, 4100) for _ in range(args.count)]
    print(json.dumps(values))
    data = (",".join(map(str, values)) + "\r\n").encode()
    while data:
        n = rng.randint(1, 700) if args.cut else len(data)
        chunk, data = data[:n], data[n:]
        while chunk:
            try:
                chunk = chunk[os.write(fd, chunk):]
            except BlockingIOError:
                time.sleep(0.001)
        sent += n
        if args.rate > 0:
            time.sleep(max(0, start + sent / args.rate - time.monotonic()))
    frames += 1
time.sleep(0.05)  # let the last bytes leave before the pty may go
print(json.dumps({"done": frames, "seconds": round(time.monotonic() - start, 3)}), flush=True)
os.close(fd)
sys.exit(0)
