#!/usr/bin/env python3
"""Local stand-in for the map pages' services: tiles and IP geolocation.

Usage: map_service.py CORS(0|1) LAT LON CITY
Prints the port it listens on (127.0.0.1), then serves until killed.
"""
import json
import struct
import sys
import zlib
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def png():
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + b"\xcc\xdd\xcc" * 256 for _ in range(256))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 256, 256, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


CORS = sys.argv[1] == "1"
FIX = {"status": "success", "lat": float(sys.argv[2]), "lon": float(sys.argv[3]), "city": sys.argv[4]}
TILE = png()


class Handler(BaseHTTPRequestHandler):
    def do_GET(self):
        path = self.path.split("?")[0]
        if path.endswith(".png"):
            self.reply(200, "image/png", TILE)
        elif path.startswith("/json"):
            self.reply(200, "application/json", json.dumps(FIX).encode())
        else:
            self.reply(404, "text/plain", b"not here")

    def reply(self, code, kind, body):
        self.send_response(code)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        if CORS:
            self.send_header("Access-Control-Allow-Origin", "*")
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
