#!/usr/bin/env python3
"""A GSM modem for the console tests, on the far end of a pty pair.

    python3 fake_modem.py <pty>

It answers AT commands line by line from the table below and writes every
byte it receives to stdout as "rx <hex>" lines, so a test can check the exact
command bytes.  Control lines on stdin change its behaviour:

    reply <command> <text>   answer <command> with <text> (\\r \\n \\x1a escapes)
    silent <command>         never answer <command>
    split <command> <ms>     send the answer in two halves, <ms> apart
    late <command> <ms>      send the answer <ms> late
    inject <text>            send <text> now (unsolicited codes)
    echo on|off              echo received bytes back (on at start)
    reset <command>          back to the table's answer

<command> is matched against the start of the received line ("AT+CSQ",
"ATD", "AT+CMGR=").  Every line written on stdout is flushed at once.
"""
import os
import select
import sys
import termios
import time
import tty

OK = b"\r\nOK\r\n"
TABLE = [
    (b"AT+CLIP?", b"\r\n+CLIP: 1,0\r\n" + OK),
    (b"AT+CALM?", b"\r\n+CALM: 0\r\n" + OK),
    (b"AT+CMGF?", b"\r\n+CMGF: 1\r\n" + OK),
    (b"AT+CSQ", b"\r\n+CSQ: 15,0\r\n" + OK),
    (b"AT+VTS=", OK),
    (b"ATH", OK),
    (b"ATA", OK),
    (b"ATD", OK),
    (b"AT+CLIP=", OK),
    (b"AT+CALM=", OK),
    (b"AT+CMGF=", OK),
    (b"AT+CSCS=", OK),
    (b"AT+CSMP=", OK),
    (b"AT+CMGR=", b"\r\n+CMGR: \"REC UNREAD\",\"00310033003800300030003100330038003000300030\",\"\","
                  b"\"24/01/01,12:00:00+32\"\r\n00480069\r\n" + OK),
    (b"AT+CMGDA=", OK),
    (b"AT+CMGD=", OK),
    (b"AT+CMGS=", b"\r\n> "),
    (b"AT+CGCLASS=", OK),
    (b"AT+CGDCONT=", OK),
    (b"AT+CGATT=", OK),
    (b"AT+CIPCSGP=", OK),
    (b"AT+CLPORT=", OK),
    (b"AT+CIPSTART=", OK + b"\r\nCONNECT OK\r\n"),
    (b"AT+CIPCLOSE", b"\r\nCLOSE OK\r\n"),
    (b"AT+CIPSHUT", b"\r\nSHUT OK\r\n"),
    (b"AT+CIPSEND", b"\r\n> "),
    (b"AT", OK),
]
# What follows the Ctrl-Z that ends a prompt's data, by the prompting command.
AFTER_PROMPT = {b"AT+CMGS=": b"\r\n+CMGS: 1\r\n" + OK, b"AT+CIPSEND": b"\r\nSEND OK\r\n"}


def unescape(text):
    return text.encode("latin-1").decode("unicode_escape").encode("latin-1")


class Modem:
    def __init__(self, fd):
        self.fd = fd
        self.echo = True
        self.overrides = {}  # command -> ("reply", bytes) | ("silent",) | ("split", ms) | ("late", ms)
        self.line = b""
        self.prompt = None  # the command whose data runs until Ctrl-Z
        self.timed = []  # (due, bytes)

    def send(self, data):
        while data:
            try:
                n = os.write(self.fd, data)
                data = data[n:]
            except BlockingIOError:
                time.sleep(0.001)

    def schedule(self, delay_ms, data):
        self.timed.append((time.monotonic() + delay_ms / 1000.0, data))

    def answer(self, command, table_reply):
        key = max((k for k in self.overrides if command.startswith(k)), key=len, default=None)
        rule = self.overrides.get(key, ("table",))
        reply = table_reply
        if rule[0] == "reply":
            reply = rule[1]
        if rule[0] == "silent" or reply is None:
            return
        if rule[0] == "split":
            half = len(reply) // 2
            self.send(reply[:half])
            self.schedule(rule[1], reply[half:])
        elif rule[0] == "late":
            self.schedule(rule[1], reply)
        else:
            self.send(reply)

    def command(self, line):
        for prefix, reply in TABLE:
            if line.startswith(prefix):
                self.answer(line, reply)
                if reply.endswith(b"> ") and prefix in AFTER_PROMPT:
                    self.prompt = prefix
                return
        if line:
            self.answer(line, b"\r\nERROR\r\n")

    def received(self, data):
        sys.stdout.write("rx " + data.hex() + "\n")
        sys.stdout.flush()
        if self.echo:
            self.send(data)
        for b in data:
            ch = bytes([b])
            if self.prompt is not None:
                if ch == b"\x1a":
                    self.send(AFTER_PROMPT[self.prompt])
                    self.prompt = None
                continue
            if ch == b"\r":
                self.command(self.line.strip())
                self.line = b""
            elif ch != b"\n":
                self.line += ch

    def control(self, line):
        parts = line.split(" ", 2)
        what = parts[0]
        if what == "inject" and len(parts) > 1:
            self.send(unescape(line[len("inject "):]))
        elif what == "echo" and len(parts) > 1:
            self.echo = parts[1] == "on"
        elif what == "reply" and len(parts) > 2:
            self.overrides[parts[1].encode()] = ("reply", unescape(parts[2]))
        elif what == "silent" and len(parts) > 1:
            self.overrides[parts[1].encode()] = ("silent",)
        elif what in ("split", "late") and len(parts) > 2:
            self.overrides[parts[1].encode()] = (what, int(parts[2]))
        elif what == "reset" and len(parts) > 1:
            self.overrides.pop(parts[1].encode(), None)
        sys.stdout.write("ok " + what + "\n")
        sys.stdout.flush()


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: fake_modem.py <pty>\n")
        return 2
    fd = os.open(sys.argv[1], os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
    tty.setraw(fd)
    attrs = termios.tcgetattr(fd)
    attrs[3] &= ~termios.ECHO
    termios.tcsetattr(fd, termios.TCSANOW, attrs)
    modem = Modem(fd)
    stdin = sys.stdin.fileno()
    pending = b""
    sys.stdout.write("ready\n")
    sys.stdout.flush()
    while True:
        now = time.monotonic()
        due = [t for t in modem.timed if t[0] <= now]
        modem.timed = [t for t in modem.timed if t[0] > now]
        for _, data in sorted(due, key=lambda t: t[0]):
            modem.send(data)
        timeout = min((t[0] for t in modem.timed), default=now + 0.5) - now
        readable, _, _ = select.select([fd, stdin], [], [], max(0.0, timeout))
        if fd in readable:
            try:
                data = os.read(fd, 4096)
            except BlockingIOError:
                data = b""
            except OSError:
                return 0  # the pty went away
            if data:
                modem.received(data)
        if stdin in readable:
            chunk = os.read(stdin, 4096)
            if not chunk:
                return 0
            pending += chunk
            while b"\n" in pending:
                line, pending = pending.split(b"\n", 1)
                modem.control(line.decode("utf-8").rstrip("\r"))


if __name__ == "__main__":
    sys.exit(main())
