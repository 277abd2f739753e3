#!/usr/bin/env python3
"""Serial I2C bridge on a pty:  fake_i2c_bridge.py DEVICE LOGFILE [--pieces] [--noise] [--period S] [--cut N]... [--split S]
Frames "VX" type len16 payload sum8.  Logs every command frame to LOGFILE in hex; answers scan
(3C 68), select, read, write and start/stop streaming (a 256-byte dump per period, register 0x10
counting).  Device 0x3C: A5 at 0x01, 56 58 05 00 00 00 at 0x20.  --pieces: replies in 97-byte
pieces 20 ms apart; --noise: noise and a bad-checksum frame before each; --cut: a dump stops after N
register bytes as the bridge resets (one dump per --cut; streaming off after the last); --split: scan
replies in two halves S seconds apart.  SIGTERM prints {"dumps": N}."""
import argparse, json, os, random, select, signal, sys, time, tty
from collections import deque


def frame(kind, p):
    return b"VX" + bytes([kind, len(p) >> 8, len(p) & 0xFF]) + bytes(p) + bytes([sum(p) & 0xFF])


ap = argparse.ArgumentParser()
ap.add_argument("device"), ap.add_argument("logfile")
ap.add_argument("--pieces", action="store_true"), ap.add_argument("--noise", action="store_true")
ap.add_argument("--period", type=float, default=0.1), ap.add_argument("--cut", type=int, action="append", default=[])
ap.add_argument("--split", type=float, default=0)
a = ap.parse_args()
fd = os.open(a.device, os.O_RDWR | os.O_NOCTTY)
tty.setraw(fd)
log = open(a.logfile, "a")
rng = random.Random(1)
regs = {n: bytearray(256) for n in range(128)}
regs[0x3C][0x01] = 0xA5
regs[0x3C][0x20:0x26] = bytes([0x56, 0x58, 0x05, 0, 0, 0])
st = {"addr": 0, "stream": False, "next": 0.0, "dumps": 0}
out, buf = deque(), bytearray()


def done(*_):
    print(json.dumps({"dumps": st["dumps"]}), flush=True)
    os._exit(0)


def reply(data, split=0):
    if a.noise:
        bad = bytearray(frame(2, [1, 2, 3, 4]))
        bad[-1] ^= 0x5A
        data = bytes(rng.choice([b for b in range(256) if b != 0x56]) for _ in range(rng.randint(1, 12))) + bad + data
    t = max(time.monotonic(), out[-1][0] + (0.02 if a.pieces else 0)) if out else time.monotonic()
    step = 97 if a.pieces else -(-len(data) // 2) if split else len(data)
    for i in range(0, len(data), step):
        out.append((t + (split or 0.02) * (i // step), data[i:i + step]))


signal.signal(signal.SIGTERM, done)
while True:
    now = time.monotonic()
    waits = [1.0] + ([out[0][0] - now] if out else []) + ([st["next"] - now] if st["stream"] else [])
    if select.select([fd], [], [], max(0.0, min(waits)))[0]:
        buf += os.read(fd, 4096)
    while (p := buf.find(b"VX")) >= 0 and len(buf) >= p + 5 and len(buf) >= p + 6 + (n := buf[p + 3] << 8 | buf[p + 4]):
        f = bytes(buf[p:p + n + 6])
        del buf[:p + n + 6]
        log.write(f.hex(" ") + "\n")
        log.flush()
        kind, pl = f[2], f[5:5 + n]
        if sum(pl) & 0xFF != f[-1]:
            continue
        r = regs[st["addr"]]
        if kind == 1:
            reply(frame(1, [0x3C, 0x68]), a.split)
        elif kind == 3 and n:
            st["addr"] = pl[0] & 0x7F
        elif kind == 5 and n >= 2:
            reply(frame(5, [r[(pl[0] + i) & 0xFF] for i in range(pl[1])]))
        elif kind == 4 and n:
            for i, b in enumerate(pl[1:]):
                r[(pl[0] + i) & 0xFF] = b
        elif kind in (0, 2):
            st["stream"], st["next"] = kind == 2, time.monotonic()
    now = time.monotonic()
    if st["stream"] and now >= st["next"]:
        r = regs[st["addr"]]
        r[0x10] = (r[0x10] + 1) & 0xFF
        cut = a.cut.pop(0) if a.cut else None
        reply(frame(2, r) if cut is None else frame(2, r)[:5 + cut])
        st["dumps"] += 1
        if cut is not None:
            st["stream"] = bool(a.cut)
        st["next"] = max(st["next"] + a.period, now - a.period)  # no drift
    while out and out[0][0] <= time.monotonic():
        data = out.popleft()[1]
        while data:
            data = data[os.write(fd, data):]
