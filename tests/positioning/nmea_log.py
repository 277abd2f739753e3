#!/usr/bin/env python3
"""Plays a multi-GNSS NMEA 4.10 receiver.

  nmea_log.py OUT [--epochs N] [--first I] [--seed S] [--rate HZ] [--split a,b,...]
              [--bytes N] [--faults]

OUT is a file or a tty.  Each epoch (one second of receiver time) holds
GNGGA, GNGSA, GPGSV/GLGSV/BDGSV/GAGSV, GNRMC and GNVTG.  Positions wander
over all four hemispheres and within a degree of the equator and of
Greenwich; GGA quality cycles through 0, 1, 4 (and 2, 5).  Checksums are
our own, some in lower case.  With --faults, sentences that must be
dropped are mixed in: bad checksums, '*' without digits, noise, '$' runs,
NUL and non-ASCII bytes, fields far over 95 characters.  --split writes in
pieces of the given sizes, cycling; --rate paces epochs per second;
--bytes stops once that many bytes are written.  Prints one JSON line per
epoch to stdout: what the receiver meant (signed lat/lon, alt, DOPs, fix).
"""
import argparse, functools, json, os, random, sys, time


def checksum(body, lower=False):
    c = functools.reduce(lambda a, ch: a ^ ord(ch), body, 0)
    return ('%02x' if lower else '%02X') % c


def sentence(body, lower=False):
    return ('$' + body + '*' + checksum(body, lower) + '\r\n').encode()


def dm(value, width):
    v = abs(value)
    d = int(v)
    m = (v - d) * 60
    return '%0*d%07.4f' % (width, d, m)


def epoch(i, rnd):
    t = 80503 + i  # starts at 08:05:03
    hh, mm, ss = (t // 10000) % 24, (t // 100) % 100 % 60, t % 100 % 60
    hhmmss = '%02d%02d%02d.00' % (hh, mm, ss)
    region = i % 6
    lat, lon = {0: (22.54321, 114.0579), 1: (-33.8688, 151.2093), 2: (51.5072, -0.1276),
                3: (-12.0464, -77.0428), 4: (0.4512, 32.5825), 5: (-0.25, -0.75)}[region]
    lat += rnd.uniform(-0.01, 0.01)
    lon += rnd.uniform(-0.01, 0.01)
    quality = [1, 4, 1, 2, 5, 1, 0][i % 7]
    alt = round(rnd.uniform(-20, 3000), 1)
    pdop, hdop, vdop = round(rnd.uniform(1.5, 3), 2), round(rnd.uniform(0.6, 1.4), 2), round(rnd.uniform(0.8, 2), 2)
    used = rnd.randint(4, 30)
    speed = round(rnd.uniform(0, 120), 1)
    ns, ew = 'N' if lat >= 0 else 'S', 'E' if lon >= 0 else 'W'
    lower = i % 3 == 0
    out = []
    out.append(sentence('GNGGA,%s,%s,%s,%s,%s,%d,%02d,%.2f,%.1f,M,-2.1,M,,' % (
        hhmmss, dm(lat, 2), ns, dm(lon, 3), ew, quality, used, hdop, alt), lower))
    sats = ','.join('%02d' % s for s in range(1, 13))
    out.append(sentence('GNGSA,A,3,%s,%.2f,%.2f,%.2f,1' % (sats, pdop, hdop, vdop), lower))
    for talker, count in (('GP', 9), ('GL', 5), ('BD', 7), ('GA', 4)):
        sv = ','.join('%02d,%02d,%03d,%02d' % (n, rnd.randint(5, 89), rnd.randint(0, 359), rnd.randint(10, 50))
                      for n in range(1, min(count, 4) + 1))
        out.append(sentence('%sGSV,1,1,%02d,%s,1' % (talker, count, sv), lower))
    out.append(sentence('GNRMC,%s,A,%s,%s,%s,%s,%.1f,84.4,070424,,,A,V' % (
        hhmmss, dm(lat, 2), ns, dm(lon, 3), ew, speed / 1.852), lower))
    out.append(sentence('GNVTG,84.4,T,,M,%.1f,N,%.1f,K,A' % (speed / 1.852, speed), lower))
    truth = dict(epoch=i, time='%d:%d:%d' % (hh, mm, ss), lat=lat, lon=lon, alt=alt, quality=quality,
                 pdop=pdop, hdop=hdop, vdop=vdop, used=used, speed=speed, gps_in_view=9, bd_in_view=7)
    return out, truth


def faults(rnd):
    junk = [
        sentence('GNGGA,000000.00,9999.000,N,09999.000,E,1,08,0.9,1.0,M,,M,,')[:-4] + b'00\r\n',  # wrong sum
        b'$GNGGA,000000.00,9999.000,N,09999.000,E,1,08,0.9,1.0,M,,M,,*\r\n',               # no digits
        b'$GNGGA,000000.00,9999.000,N,09999.000,E,1,08,0.9,1.0,M,,M,,*4\r\n',              # one digit
        bytes(rnd.randrange(256) for _ in range(rnd.randint(1, 300))).replace(b'$', b'#'),
        b'$' * rnd.randint(1, 3000),
        b'\x00\xff\xfe\x80 \xe4\xb8\xad\n',
        b'$GNRMC,120000.00,A,' + b'1' * 2000 + b'\r\n',                                      # no sum, long
    ]
    return rnd.choice(junk)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('out')
    ap.add_argument('--epochs', type=int, default=20)
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--first', type=int, default=0)
    ap.add_argument('--rate', type=float, default=0)
    ap.add_argument('--split', default='')
    ap.add_argument('--bytes', type=int, default=0)
    ap.add_argument('--faults', action='store_true')
    a = ap.parse_args()
    rnd = random.Random(a.seed)
    splits = [int(x) for x in a.split.split(',') if x] or [0]
    fd = os.open(a.out, os.O_WRONLY | os.O_CREAT | os.O_TRUNC | os.O_NOCTTY)
    written, k, i = 0, 0, a.first
    while i < a.first + a.epochs or a.bytes:
        chunks, truth = epoch(i, rnd)
        if a.faults:
            chunks.insert(rnd.randrange(len(chunks) + 1), faults(rnd))
        data = b''.join(chunks)
        if a.bytes and written + len(data) > a.bytes:
            break
        at = 0
        while at < len(data):
            n = splits[k % len(splits)] or len(data)
            k += 1
            piece = data[at:at + n]
            while piece:
                piece = piece[os.write(fd, piece):]
            at += n
        written += len(data)
        print(json.dumps(truth), flush=True)
        if a.rate:
            time.sleep(1.0 / a.rate)
        i += 1
    os.close(fd)


if __name__ == '__main__':
    main()
