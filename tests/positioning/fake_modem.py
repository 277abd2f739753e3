#!/usr/bin/env python3
"""A GSM modem for the console tests, on the far end of a pty pair.

    python3 fake_modem.py <pty>

It answers AT commands line by line from the table below and writes every
byte it receives to stdout as "rx <hex>" lines, so a test can check the exact
command bytes.  Control lines on stdin change its behaviour:

    reply <command> <text>   answer <command> with <text> (\\r \\n \\x1a escapes)
    before <command> <text>  send <text> just before the answer to <command>
    silent <command>         never answer <command>
    split <command> <ms>     send the answer in two halves, <ms> apart
    late <command> <ms>      send the answer <ms> late
    inject <text>            send <text> now (unsolicited codes)
    echo on|off              echo received bytes back (on at start; off as
                             ATE0 leaves a modem)
    dataecho on|off          echo the data after a prompt too (on at start;
                             off: AT+CIPSEND is echoed, its data is not)
    echodelay <ms>           the data's echo, and all after it, starts <ms>
                             after the data's first byte (0 at start)
    echogap <n> <ms>         the data's echo pauses <ms> after every <n>
                             bytes (0 0 at start)
    ctrlz on|off             echo the Ctrl-Z that ends data too (on at start)
    pace <ms>                send each byte <ms> after the last, as a slow
                             line does (1: 9600 baud); 0 at once (at start)
    link <port>              hold a link to 127.0.0.1:<port> as an earlier
                             run left it (0: none)
    already ok|error         what AT+CIPSTART gets while a link is held: OK
                             then ALREADY CONNECT, or ERROR, a blank line and
                             ALREADY CONNECT
    reset <command>          back to the table's answer, nothing before it
    set <switch> <value>     set a switch ("set CMGF 0": PDU mode)

The data after a prompt, ended by Ctrl-Z, is answered as the command "^Z";
"before DATA <text>" sends <text> as that data begins (a host's bytes).

It keeps the switches ("AT+CLIP=", "AT+CALM=", "AT+CMGF="), the character
set ("AT+CSCS=", "IRA" at start), an SMS store ("AT+CMGR=" in either mode,
"AT+CMGD=", "AT+CMGDA=" in text mode), takes a message after
the "AT+CMGS=" prompt (above 70 UCS2 units: "+CMS ERROR: 304"), and opens a
real TCP connection on "AT+CIPSTART" (127.0.0.1 only) whose bytes it
forwards both ways ("AT+CIPSEND" data up to Ctrl-Z); a refused connect is
"CONNECT FAIL", and every AT+CIPSTART after it is ERROR until "AT+CIPSHUT",
as the modem's manual says; one while a link is held "ALREADY CONNECT";
"AT+CIPCLOSE" without a link is ERROR.

<command> is matched against the start of the received line ("AT+CSQ",
"ATD", "AT+CMGR=").  Every line written on stdout is flushed at once.
"""
import os
import select
import socket
import sys
import termios
import time
import tty

OK = b"\r\nOK\r\n"
ERROR = b"\r\nERROR\r\n"
TABLE = [
    (b"AT+CSQ", b"\r\n+CSQ: 15,0\r\n" + OK),
    (b"AT+VTS=", OK),
    (b"ATH", OK),
    (b"ATA", OK),
    (b"ATD", OK),
    (b"AT+CSMP=", OK),
    (b"AT+CGCLASS=", OK),
    (b"AT+CGDCONT=", OK),
    (b"AT+CGATT=", OK),
    (b"AT+CIPCSGP=", OK),
    (b"AT+CLPORT=", OK),
    (b"AT", OK),
]
# The SMS store: box -> status, number, name (None: left empty, unquoted),
# time stamp (None: none), text.
STORE = {
    b"1": (b"REC UNREAD", "10086", "", b"24/01/01,12:00:00+32", "\u4e2d\u6587 test"),
    b"2": (b"STO UNSENT", "10086", "", None, "Hi"),
    b"3": (b"REC READ", "+8613800138000", None, b"24/05/01,12:00:00+32", "Hello"),
}
# What a PDU-mode modem answers for any stored message.
PDU = b"\r\n+CMGR: 1,,23\r\n07911326040000F0040B911346610089F60000208062917314080CC8F71D14969741F977FD07\r\n" + OK


def cmgr(message, ucs2):
    """The text-mode reply to "AT+CMGR=" in the character set chosen."""
    status, number, name, stamp, text = message

    def chars(t):
        return t.encode("utf-16-be").hex().encode() if ucs2 else t.encode("latin-1", "replace")

    fields = [b'"' + status + b'"', b'"' + chars(number) + b'"', b"" if name is None else b'"' + chars(name) + b'"']
    if stamp is not None:
        fields.append(b'"' + stamp + b'"')
    return b"\r\n+CMGR: " + b",".join(fields) + b"\r\n" + chars(text) + b"\r\n" + OK


def unescape(text):
    return text.encode("latin-1").decode("unicode_escape").encode("latin-1")


class Modem:
    def __init__(self, fd):
        self.fd = fd
        self.echo = True
        self.echo_ctrlz = True
        self.pace = 0.0  # seconds a byte takes on the line
        self.out = b""  # bytes waiting for the line
        self.line_at = 0.0  # when the line has sent all it was given
        self.breaks = []  # [(bytes of out before it, seconds)]: pauses of the line
        self.paused_until = 0.0
        self.data_echo = True
        self.echo_delay = 0.0
        self.echo_gap = (0, 0.0)
        self.already = OK + b"\r\nALREADY CONNECT\r\n"
        self.start_failed = False  # CONNECT FAIL came; AT+CIPSHUT clears it
        self.answers = None  # answers held while a read is echoed
        self.overrides = {}  # command -> ("reply", bytes) | ("silent",) | ("split", ms) | ("late", ms)
        self.before = {}  # command -> bytes sent ahead of its answer
        self.line = b""
        self.prompt = None  # the command whose data runs until Ctrl-Z
        self.data = b""
        self.line_end = False
        self.timed = []  # (due, bytes)
        self.switches = {b"CLIP": b"1", b"CALM": b"0", b"CMGF": b"1"}
        self.charset = b"IRA"
        self.store = dict(STORE)
        self.sock = None  # the GPRS link's TCP connection
        self.sent = 0

    def send(self, data, now=True):
        if not self.out:
            self.line_at = max(self.line_at, time.monotonic())
        self.out += data
        if now:
            self.flush()

    def pause(self, seconds):
        """The line stops for a while once what it holds now is out."""
        self.breaks.append((len(self.out), seconds))

    def flush(self):
        """Writes what the line has carried by now."""
        now = time.monotonic()
        if now < self.paused_until:
            return
        if self.paused_until:
            self.line_at = max(self.line_at, self.paused_until)
            self.paused_until = 0.0
        n = len(self.out)
        if self.breaks:
            n = min(n, self.breaks[0][0])
        if self.pace:
            n = min(n, int((now - self.line_at) / self.pace))
            self.line_at += n * self.pace
        data, self.out = self.out[:n], self.out[n:]
        self.breaks = [(at - n, seconds) for at, seconds in self.breaks]
        if self.breaks and self.breaks[0][0] == 0:
            self.paused_until = now + self.breaks.pop(0)[1]
        while data:
            try:
                n = os.write(self.fd, data)
                data = data[n:]
            except BlockingIOError:
                time.sleep(0.001)

    def schedule(self, delay_ms, data):
        self.timed.append((time.monotonic() + delay_ms / 1000.0, data))

    def answer(self, command, table_reply):
        if self.answers is not None:
            self.answers.append((command, table_reply))  # after the read's echo
            return
        key = max((k for k in self.overrides if command.startswith(k)), key=len, default=None)
        rule = self.overrides.get(key, ("table",))
        reply = table_reply
        if rule[0] == "reply":
            reply = rule[1]
            if b">" not in reply:
                self.prompt = None  # a refusal takes no data
        if rule[0] == "silent" or reply is None:
            return
        ahead = max((k for k in self.before if command.startswith(k)), key=len, default=None)
        if ahead is not None:
            self.send(self.before[ahead])
        if rule[0] == "split":
            half = len(reply) // 2
            self.send(reply[:half])
            self.schedule(rule[1], reply[half:])
        elif rule[0] == "late":
            self.schedule(rule[1], reply)
        else:
            self.send(reply)

    def open_link(self, port):
        try:
            self.sock = socket.create_connection(("127.0.0.1", port), timeout=2)
        except OSError:
            return False
        self.sock.setblocking(False)
        return True

    def close_link(self):
        if self.sock is not None:
            self.sock.close()
            self.sock = None

    def stateful(self, line):
        """The reply of a command that reads or changes the modem's state."""
        for name, value in self.switches.items():
            if line == b"AT+" + name + b"?":
                extra = b",0" if name == b"CLIP" else b""
                return b"\r\n+" + name + b": " + value + extra + b"\r\n" + OK
            if line.startswith(b"AT+" + name + b"="):
                self.switches[name] = line[len(name) + 4:]
                return OK
        text_mode = self.switches[b"CMGF"] == b"1"
        if line.startswith(b"AT+CSCS="):
            self.charset = line[8:].strip(b'"')
            return OK
        if line.startswith(b"AT+CMGR="):
            message = self.store.get(line[8:])
            if not text_mode:
                return PDU if message else b"\r\n+CMS ERROR: 321\r\n"
            return cmgr(message, self.charset == b"UCS2") if message else OK
        if line.startswith(b"AT+CMGDA="):
            if not text_mode:
                return ERROR
            self.store.clear()
            return OK
        if line.startswith(b"AT+CMGD="):
            self.store.pop(line[8:].split(b",")[0], None)
            return OK
        if line.startswith(b"AT+CMGS=") or line.startswith(b"AT+CIPSEND"):
            if line.startswith(b"AT+CIPSEND") and self.sock is None:
                return ERROR
            self.prompt = line[:8] if line.startswith(b"AT+CMGS=") else b"AT+CIPSEND"
            self.data = b""
            self.line_end = True
            return b"\r\n> "
        if line.startswith(b"AT+CIPSTART="):
            fields = line[len(b"AT+CIPSTART="):].split(b",")
            host = fields[1].strip(b'"').decode() if len(fields) > 2 else ""
            port = fields[2].strip(b'"') if len(fields) > 2 else b""
            if host != "127.0.0.1" or not port.isdigit():
                return ERROR  # loopback only
            if self.sock is not None:
                return self.already
            if self.start_failed:
                return ERROR
            if not self.open_link(int(port)):
                self.start_failed = True
                return OK + b"\r\nSTATE: TCP CLOSED\r\n\r\nCONNECT FAIL\r\n"
            return OK + b"\r\nCONNECT OK\r\n"
        if line.startswith(b"AT+CIPCLOSE"):
            if self.sock is None:
                return ERROR
            self.close_link()
            return b"\r\nCLOSE OK\r\n"
        if line.startswith(b"AT+CIPSHUT"):
            self.close_link()
            self.start_failed = False
            return b"\r\nSHUT OK\r\n"
        return None

    def prompted(self):
        """The data after a prompt has ended with Ctrl-Z."""
        if self.prompt == b"AT+CMGS=":
            if len(self.data) // 4 > 70:
                return b"\r\n+CMS ERROR: 304\r\n"
            self.sent += 1
            return b"\r\n+CMGS: %d\r\n" % self.sent + OK
        if self.sock is None:
            return ERROR
        self.sock.sendall(self.data)
        return b"\r\nSEND OK\r\n"

    def command(self, line):
        reply = self.stateful(line)
        if reply is not None:
            self.answer(line, reply)
            return
        for prefix, reply in TABLE:
            if line.startswith(prefix):
                self.answer(line, reply)
                return
        if line:
            self.answer(line, ERROR)

    def echoed(self, ch, in_data):
        """Echoes one received byte as the modem's habits say."""
        if not self.echo or (ch == b"\x1a" and not self.echo_ctrlz) or (in_data and not self.data_echo):
            return
        every, gap = self.echo_gap
        self.send(ch, False)  # the read's echo goes out at its end
        if in_data and every and len(self.data) % every == 0 and ch != b"\x1a":
            self.pause(gap)

    def received(self, data):
        sys.stdout.write("rx " + data.hex() + "\n")
        sys.stdout.flush()
        self.answers = []
        self.parse(data)
        self.flush()
        answers, self.answers = self.answers, None
        for command, reply in answers:
            self.answer(command, reply)

    def parse(self, data):
        for b in data:
            ch = bytes([b])
            if self.prompt is not None:
                if self.data == b"" and ch == b"\n" and self.line_end:
                    self.line_end = False  # the LF of the prompting command
                    self.echoed(ch, False)
                    continue
                if self.data == b"" and self.line_end is not None:
                    self.line_end = None  # the data begins
                    if b"DATA" in self.before:
                        self.send(self.before[b"DATA"])
                    if self.echo_delay:
                        self.pause(self.echo_delay)
                if ch == b"\x1a":
                    self.echoed(ch, True)
                    self.answer(b"^Z", self.prompted())
                    self.prompt = None
                else:
                    self.data += ch
                    self.echoed(ch, True)
                continue
            self.echoed(ch, False)
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
        elif what == "dataecho" and len(parts) > 1:
            self.data_echo = parts[1] == "on"
        elif what == "echodelay" and len(parts) > 1:
            self.echo_delay = int(parts[1]) / 1000.0
        elif what == "echogap" and len(parts) > 2:
            self.echo_gap = (int(parts[1]), int(parts[2]) / 1000.0)
        elif what == "already" and len(parts) > 1:
            self.already = (ERROR + b"\r\n" if parts[1] == "error" else OK) + b"\r\nALREADY CONNECT\r\n"
        elif what == "ctrlz" and len(parts) > 1:
            self.echo_ctrlz = parts[1] == "on"
        elif what == "pace" and len(parts) > 1:
            self.pace = int(parts[1]) / 1000.0
        elif what == "link" and len(parts) > 1:
            self.close_link()
            if parts[1] != "0":
                self.open_link(int(parts[1]))
        elif what == "reply" and len(parts) > 2:
            self.overrides[parts[1].encode()] = ("reply", unescape(parts[2]))
        elif what == "before" and len(parts) > 2:
            self.before[parts[1].encode()] = unescape(parts[2])
        elif what == "set" and len(parts) > 2:
            self.switches[parts[1].encode()] = parts[2].encode()
        elif what == "silent" and len(parts) > 1:
            self.overrides[parts[1].encode()] = ("silent",)
        elif what in ("split", "late") and len(parts) > 2:
            self.overrides[parts[1].encode()] = (what, int(parts[2]))
        elif what == "reset" and len(parts) > 1:
            self.overrides.pop(parts[1].encode(), None)
            self.before.pop(parts[1].encode(), None)
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
        modem.flush()
        timeout = min((t[0] for t in modem.timed), default=now + 0.5) - now
        if modem.out:
            timeout = min(timeout, max(modem.pace, 0.005))
        watched = [fd, stdin] + ([modem.sock] if modem.sock is not None else [])
        readable, _, _ = select.select(watched, [], [], max(0.0, timeout))
        if modem.sock is not None and modem.sock in readable:
            try:
                data = modem.sock.recv(4096)
            except BlockingIOError:
                data = None
            except OSError:
                data = b""
            if data:
                modem.send(data)  # link bytes go to the pty as they come
            elif data is not None:
                modem.close_link()
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
