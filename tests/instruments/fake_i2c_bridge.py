#!/usr/bin/env python3
"""A serial I2C bridge on the far end of a pty, written from the frame table
alone: "VX", type, length (big-endian), payload, payload byte sum.

    fake_i2c_bridge.py DEVICE LOGFILE [--pieces] [--noise] [--period S]

Every command frame received is appended to LOGFILE as one line of hex.
Answers scan (0x01: devices 0x3C and 0x68), select (0x03), read (0x05:
the selected device's registers), write (0x04: stores them) and start/stop
streaming (0x02/0x00: a 256-byte dump every period, register 0x10 counting
up).  Device 0x3C holds A5 at 0x01 and 56 58 05 00 00 00 ("VX" and a
complete-looking empty read result) at 0x20-0x25.
--pieces: replies go out in 97-byte pieces 20 ms apart.
--noise: noise and a frame with a bad checksum before each reply.
On SIGTERM prints {"dumps": N} and ends.
"""
import argparse
import json
import os
import random
import select
import signal
import sys
import time
import tty
from collections import deque


def frame(kind, payload):
    payload = bytes(payload)
    return (b"VX" + bytes([kind, len(payload) >> 8, len(payload) & 0xFF]) + payload
            + bytes([sum(payload) & 0xFF]))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("device")
    ap.add_argument("logfile")
    ap.add_argument("--pieces", action="store_true")
    ap.add_argument("--noise", action="store_true")
    ap.add_argument("--period", type=float, default=0.1)
    a = ap.parse_args()

    fd = os.open(a.device, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
    tty.setraw(fd)
    log = open(a.logfile, "a")
    rng = random.Random(1)

    devices = {addr: bytearray(256) for addr in range(128)}
    devices[0x3C][0x01] = 0xA5
    devices[0x3C][0x20:0x26] = bytes([0x56, 0x58, 0x05, 0x00, 0x00, 0x00])
    selected = 0
    streaming = False
    next_dump = 0.0
    sent_dumps = 0
    out = deque()  # (due time, bytes)

    def done(*_):
        sys.stdout.write(json.dumps({"dumps": sent_dumps}) + "\n")
        sys.stdout.flush()
        os._exit(0)

    signal.signal(signal.SIGTERM, done)

    def reply(data):
        if a.noise:
            noise = bytes(rng.choice([b for b in range(256) if b != 0x56]) for _ in range(rng.randint(1, 12)))
            bad = bytearray(frame(0x02, [1, 2, 3, 4]))
            bad[-1] ^= 0x5A
            data = noise + bytes(bad) + data
        now = time.monotonic()
        start = max(now, out[-1][0] + (0.02 if a.pieces else 0)) if out else now
        if a.pieces:
            for i in range(0, len(data), 97):
                out.append((start + 0.02 * (i // 97), data[i:i + 97]))
        else:
            out.append((start, data))

    buf = bytearray()
    while True:
        now = time.monotonic()
        waits = [1.0]
        if out:
            waits.append(out[0][0] - now)
        if streaming:
            waits.append(next_dump - now)
        r, _, _ = select.select([fd], [], [], max(0.0, min(waits)))
        if r:
            try:
                chunk = os.read(fd, 4096)
            except BlockingIOError:
                chunk = None
            except OSError:
                break
            if chunk == b"":
                break
            if chunk:
                buf += chunk
        while True:
            p = buf.find(b"VX")
            if p < 0:
                del buf[:max(0, len(buf) - 1)]
                break
            del buf[:p]
            if len(buf) < 5:
                break
            n = (buf[3] << 8) | buf[4]
            if len(buf) < n + 6:
                break
            f = bytes(buf[:n + 6])
            del buf[:n + 6]
            log.write(" ".join("%02x" % b for b in f) + "\n")
            log.flush()
            payload = f[5:5 + n]
            if sum(payload) & 0xFF != f[5 + n]:
                continue
            kind = f[2]
            if kind == 0x01:
                reply(frame(0x01, [0x3C, 0x68]))
            elif kind == 0x03 and n >= 1:
                selected = payload[0] & 0x7F
            elif kind == 0x05 and n >= 2:
                regs = devices[selected]
                reply(frame(0x05, [regs[(payload[0] + i) & 0xFF] for i in range(payload[1])]))
            elif kind == 0x04 and n >= 1:
                regs = devices[selected]
                for i, b in enumerate(payload[1:]):
                    regs[(payload[0] + i) & 0xFF] = b
            elif kind == 0x02:
                streaming = True
                next_dump = time.monotonic()
            elif kind == 0x00:
                streaming = False
        now = time.monotonic()
        if streaming and now >= next_dump:
            regs = devices[selected]
            regs[0x10] = (regs[0x10] + 1) & 0xFF
            reply(frame(0x02, regs))
            sent_dumps += 1
            # Drift-free pacing: a late dump does not push the others back.
            next_dump = max(next_dump + a.period, now - a.period)
        while out and out[0][0] <= time.monotonic():
            data = out.popleft()[1]
            while data:
                try:
                    data = data[os.write(fd, data):]
                except BlockingIOError:
                    time.sleep(0.001)
    done()


if __name__ == "__main__":
    main()
