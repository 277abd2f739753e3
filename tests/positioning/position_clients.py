#!/usr/bin/env python3
"""Three position clients on 127.0.0.1 whose lines interleave.

Usage: position_clients.py PORT
Prints "sent" when done, then keeps the connections open until killed.
"""
import socket
import sys
import time

port = int(sys.argv[1])
a, b, c = (socket.create_connection(("127.0.0.1", port)) for _ in range(3))
time.sleep(0.3)
steps = [
    (a, b"Latitude:10.5,Lon"),
    (b, b"Latitude:20.25,Longitude:1"),
    (c, b"Latitude:0.000000,Longitude:0.000000\r\n"),
    (a, b"gitude:11.5\r\nLatitude:12.5,Longitude:13.5\r\nLati"),
    (b, b"21.5\r\n\xff\xfe\x81\r\n"),
    (c, b"x" * (1 << 20) + b"\r\nLatitude:1);window.pwned=1;//,Longitude:2\r\n"),
    (a, b"tude:14.5,Longitude:15.5\r\n"),
    (c, b"Latitude:30.125,Longitude:31.0625\r\n"),
]
for sock, data in steps:
    sock.sendall(data)
    time.sleep(0.5 if len(data) > 1000 else 0.15)
print("sent", flush=True)
time.sleep(60)
