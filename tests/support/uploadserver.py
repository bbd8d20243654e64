#!/usr/bin/env python3
"""Servers for the upload tests, on 127.0.0.1 on a free port.

  uploadserver.py ftp ROOT USER PASSWORD
  uploadserver.py sftp ROOT USER PASSWORD HOSTKEY [FULL]
                      (HOSTKEY is made when missing; writes to the file named FULL
                      fail, as on a full disk)
  uploadserver.py stil                              (accepts and never answers)

Prints the port on the first line of standard output and serves until its
standard input closes, so a test that ends, however it ends, stops it.
"""

import os
import socket
import sys
import threading


def stop_when_stdin_closes():
    def wait():
        sys.stdin.buffer.read()
        os._exit(0)

    threading.Thread(target=wait, daemon=True).start()


def announce(port):
    sys.stdout.write("%d\n" % port)
    sys.stdout.flush()


def serve_ftp(root, user, password):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer
    import logging

    logging.disable(logging.CRITICAL)
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmwMT")
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.auth_failed_timeout = 0
    server = FTPServer(("127.0.0.1", 0), handler)
    announce(server.socket.getsockname()[1])
    server.serve_forever()


def serve_sftp(root, user, password, hostkey, full=None):
    import logging
    import paramiko

    logging.disable(logging.CRITICAL)

    if not os.path.exists(hostkey):
        paramiko.ECDSAKey.generate().write_private_key_file(hostkey)
    key = paramiko.ECDSAKey.from_private_key_file(hostkey)

    class Server(paramiko.ServerInterface):
        def check_auth_password(self, username, given):
            if (username, given) == (user, password):
                return paramiko.AUTH_SUCCESSFUL
            return paramiko.AUTH_FAILED

        def get_allowed_auths(self, username):
            return "password"

        def check_channel_request(self, kind, chanid):
            if kind == "session":
                return paramiko.OPEN_SUCCEEDED
            return paramiko.OPEN_FAILED_ADMINISTRATIVELY_PROHIBITED

    class Handle(paramiko.SFTPHandle):
        full = False

        def write(self, offset, data):
            if self.full:
                return paramiko.SFTP_FAILURE
            return super().write(offset, data)

        def stat(self):
            return paramiko.SFTPAttributes.from_stat(os.fstat(self.readfile.fileno()))

    class Sftp(paramiko.SFTPServerInterface):
        def _path(self, path):
            return os.path.join(root, self.canonicalize(path).lstrip("/"))

        def open(self, path, flags, attr):
            try:
                fd = os.open(self._path(path), flags, 0o666)
            except OSError as e:
                return paramiko.SFTPServer.convert_errno(e.errno)
            mode = "wb" if flags & os.O_WRONLY else ("r+b" if flags & os.O_RDWR else "rb")
            f = os.fdopen(fd, mode)
            handle = Handle(flags)
            handle.readfile = f
            handle.writefile = f
            handle.full = os.path.basename(path) == full
            return handle

        def stat(self, path):
            try:
                return paramiko.SFTPAttributes.from_stat(os.stat(self._path(path)))
            except OSError as e:
                return paramiko.SFTPServer.convert_errno(e.errno)

        lstat = stat

        def mkdir(self, path, attr):
            try:
                os.mkdir(self._path(path))
            except OSError as e:
                return paramiko.SFTPServer.convert_errno(e.errno)
            return paramiko.SFTP_OK

    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(5)
    announce(listener.getsockname()[1])
    while True:
        conn, _ = listener.accept()
        transport = paramiko.Transport(conn)
        transport.add_server_key(key)
        transport.set_subsystem_handler("sftp", paramiko.SFTPServer, Sftp)
        try:
            transport.start_server(server=Server())
        except Exception:
            transport.close()


def serve_silent():
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(5)
    announce(listener.getsockname()[1])
    held = []
    while True:
        conn, _ = listener.accept()
        held.append(conn)


def main():
    stop_when_stdin_closes()
    kind = sys.argv[1]
    if kind == "ftp":
        serve_ftp(*sys.argv[2:5])
    elif kind == "sftp":
        serve_sftp(*sys.argv[2:7])
    elif kind == "stil":
        serve_silent()
    else:
        sys.exit("unknown server kind " + kind)


if __name__ == "__main__":
    main()
