#!/usr/bin/env python3
"""A multi-GNSS NMEA 4.10 receiver: nmea_log.py OUT [--epochs --first --seed --bytes
--rate --split a,b,.. --faults --five-systems]; OUT a file or tty.  Prints one JSON
line per epoch."""
import argparse, functools, json, os, random, time

AREAS = [(22.54321, 114.0579), (-33.8688, 151.2093), (51.5072, -0.1276), (-12.0464, -77.0428),
         (0.4512, 32.5825), (-0.25, -0.75)]


def sentence(body, lower=False):
    c = functools.reduce(lambda a, ch: a ^ ord(ch), body, 0)
    return ('$%s*' % body + ('%02x' if lower else '%02X') % c + '\r\n').encode()


def dm(v, width):
    d = int(abs(v))
    return '%0*d%07.4f' % (width, d, (abs(v) - d) * 60)


# Per epoch GGA, GSA, four GSV, RMC, VTG; all hemispheres, near 0/0, quality
# 1/4/1/2/5/1/0, every third epoch's sums in lower case.
def epoch(i, rnd):
    t = 8 * 3600 + 5 * 60 + 3 + i
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    when = '%02d%02d%02d.00' % (hh, mm, ss)
    lat, lon = (x + rnd.uniform(-0.01, 0.01) for x in AREAS[i % 6])
    q = [1, 4, 1, 2, 5, 1, 0][i % 7]
    alt, speed = round(rnd.uniform(-20, 3000), 1), round(rnd.uniform(0, 120), 1)
    pdop, hdop, vdop = (round(rnd.uniform(a, b), 2) for a, b in ((1.5, 3), (0.6, 1.4), (0.8, 2)))
    pos = '%s,%s,%s,%s' % (dm(lat, 2), 'NS'[lat < 0], dm(lon, 3), 'EW'[lon < 0])
    lo = i % 3 == 0
    out = [sentence('GNGGA,%s,%s,%d,%02d,%.2f,%.1f,M,-2.1,M,,' % (when, pos, q, 12, hdop, alt), lo),
           sentence('GNGSA,A,3,%s,%.2f,%.2f,%.2f,1' % (','.join('%02d' % s for s in range(1, 13)), pdop, hdop, vdop), lo)]
    for talker, count in (('GP', 9), ('GL', 5), ('BD', 7), ('GA', 4)):
        sv = ','.join('%02d,%02d,%03d,%02d' % (n, rnd.randint(5, 89), rnd.randint(0, 359), rnd.randint(10, 50))
                      for n in range(1, 5))
        out.append(sentence('%sGSV,1,1,%02d,%s,1' % (talker, count, sv), lo))
    out.append(sentence('GNRMC,%s,A,%s,%.1f,84.4,070424,,,A,V' % (when, pos, speed / 1.852), lo))
    out.append(sentence('GNVTG,84.4,T,,M,%.1f,N,%.1f,K,A' % (speed / 1.852, speed), lo))
    return out, dict(epoch=i, time='%d:%d:%d' % (hh, mm, ss), lat=lat, lon=lon, alt=alt, quality=q,
                     pdop=pdop, hdop=hdop, vdop=vdop, speed=speed)


# A five-system receiver: GGA, 12 GSV, RMC an epoch.  Each system numbers
# its satellites from 1; a satellite keeps its elevation and turns one
# degree of azimuth an epoch, so an azimuth tells which epoch it came from.
# The JSON line carries every satellite's azimuth by label ("GP1": 47) and
# the time the epoch was written.
FIVE = (('GP', 12, '1'), ('GL', 8, '1'), ('GB', 12, '1'), ('GA', 10, '7'), ('GQ', 4, '1'))


def five_systems(i, rnd):
    out, truth = epoch(i, rnd)
    sky = {}
    gsv = []
    for j, (talker, count, signal) in enumerate(FIVE):
        sats = []
        for n in range(1, count + 1):
            az = (n * 47 + j * 71 + i) % 360
            sats.append('%02d,%02d,%03d,%02d' % (n, 5 + (n * 17 + j * 11) % 80, az, rnd.randint(20, 50)))
            sky['%s%d' % (talker, n)] = az
        total = (count + 3) // 4
        for k in range(total):
            gsv.append(sentence('%sGSV,%d,%d,%02d,%s,%s' % (talker, total, k + 1, count,
                                                             ','.join(sats[4 * k:4 * k + 4]), signal)))
    truth['sky'] = sky
    return [out[0]] + gsv + [out[-2]], truth


# What must be dropped: bad or short sums, noise, '$' runs, NUL and non-ASCII, no line feed.
def fault(rnd):
    return rnd.choice([
        sentence('GNGGA,000000.00,9999.000,N,09999.000,E,1,08,0.9,1.0,M,,M,,')[:-4] + b'00\r\n',
        b'$GNGGA,000000.00,9999.000,N,09999.000,E,1,08,0.9,1.0,M,,M,,*\r\n',
        b'$GNGGA,000000.00,9999.000,N,09999.000,E,1,08,0.9,1.0,M,,M,,*4\r\n',
        bytes(rnd.randrange(256) for _ in range(rnd.randint(1, 300))).replace(b'$', b'#'),
        b'$' * rnd.randint(1, 3000), b'\x00\xff\xfe\x80 \xe4\xb8\xad\n',
        b'$GNRMC,120000.00,A,' + b'1' * 2000 + b'\r\n'])


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('out')
    for name, default in (('epochs', 20), ('first', 0), ('seed', 1), ('bytes', 0)):
        ap.add_argument('--' + name, type=int, default=default)
    ap.add_argument('--rate', type=float, default=0)
    ap.add_argument('--split', default='')
    ap.add_argument('--faults', action='store_true')
    ap.add_argument('--five-systems', action='store_true')
    a = ap.parse_args()
    rnd = random.Random(a.seed)
    splits = [int(x) for x in a.split.split(',') if x] or [0]
    fd = os.open(a.out, os.O_WRONLY | os.O_CREAT | os.O_TRUNC | os.O_NOCTTY)
    written, k, i = 0, 0, a.first
    while i < a.first + a.epochs or a.bytes:
        chunks, truth = (five_systems if a.five_systems else epoch)(i, rnd)
        if a.faults:
            chunks.insert(rnd.randrange(len(chunks) + 1), fault(rnd))
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
        if a.five_systems:
            truth['sent'] = time.time()
        print(json.dumps(truth), flush=True)
        if a.rate:
            time.sleep(1.0 / a.rate)
        i += 1
    os.close(fd)


main()
