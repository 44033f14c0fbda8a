#!/usr/bin/python3
"""Reads workbooks back for tests that run under Wine.

Listens on the loopback interface and writes its port number into the file given as the
first argument. Each connection sends a Windows file name in UTF-8 on one line; the file is
found through the drives of the Wine prefix (WINEPREFIX), read with tests/core/read_xlsx.py,
and the reader's output is sent back. Runs until it is ended.
"""
import os
import pathlib
import socketserver
import subprocess
import sys

READER = pathlib.Path(__file__).resolve().parent.parent / "core" / "read_xlsx.py"
DRIVES = pathlib.Path(os.environ["WINEPREFIX"]) / "dosdevices"


def unix_name(windows_name):
    """C:\\users\\x.xlsx -> <prefix>/dosdevices/c:/users/x.xlsx, links resolved."""
    if len(windows_name) < 3 or windows_name[1:3] != ":\\":
        raise ValueError("not an absolute Windows file name: " + windows_name)
    drive = DRIVES / (windows_name[0].lower() + ":")
    return str(drive.resolve().joinpath(*windows_name[3:].split("\\")))


class Reader(socketserver.StreamRequestHandler):
    def handle(self):
        name = self.rfile.readline().decode("utf-8").rstrip("\n")
        try:
            result = subprocess.run([sys.executable, str(READER), unix_name(name)],
                                    capture_output=True, check=False)
        except ValueError as error:
            print("reader service:", error, file=sys.stderr)
            return
        if result.returncode != 0:
            sys.stderr.buffer.write(result.stderr)
        self.wfile.write(result.stdout)


def main():
    socketserver.TCPServer.allow_reuse_address = True
    with socketserver.ThreadingTCPServer(("127.0.0.1", 0), Reader) as server:
        port_file = pathlib.Path(sys.argv[1])
        port_file.with_suffix(".tmp").write_text(str(server.server_address[1]))
        port_file.with_suffix(".tmp").rename(port_file)
        server.serve_forever()


if __name__ == "__main__":
    main()
