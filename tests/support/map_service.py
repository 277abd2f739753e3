#!/usr/bin/env python3
"""Local stand-in for the map pages' services: tiles and IP geolocation.

Usage: map_service.py CORS(0|1) LAT LON CITY [DELAY_MS]
DELAY_MS holds back the geolocation answer, as a slow service would.
Prints the port it listens on (127.0.0.1), then serves until killed.
"""
import base64
import json
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


CORS = sys.argv[1] == "1"
DELAY = int(sys.argv[5]) / 1000 if len(sys.argv) > 5 else 0
FIX = {"status": "success", "lat": float(sys.argv[2]), "lon": float(sys.argv[3]), "city": sys.argv[4]}
# A 1x1 grey PNG stands in for every tile.
TILE = base64.b64decode("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGM4c/cMAATuAnZHRCEGAAAAAElFTkSuQmCC")


class Handler(BaseHTTPRequestHandler):
    def do_GET(self):
        path = self.path.split("?")[0]
        if path.endswith(".png"):
            self.reply(200, "image/png", TILE)
        elif path.startswith("/json"):
            time.sleep(DELAY)
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
