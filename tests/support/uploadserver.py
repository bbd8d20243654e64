#!/usr/bin/env python3
"""Servers for the upload tests, on 127.0.0.1 on a free port.

  uploadserver.py ftp ROOT USER PASSWORD [FAULT NAME]
  uploadserver.py sftp ROOT USER PASSWORD HOSTKEY [FAULT NAME]
                      (HOSTKEY is made when missing)
  uploadserver.py ftps ROOT DIR CERTIFICATE         (vsftpd with TLS required)
  uploadserver.py stil                              (accepts and never answers)

FAULT makes the server misbehave at NAME, a file name (or for "mkdir" and
"open" any name): "vol" (writes fail, as on a full disk), "stil" (stops
answering in the middle of the transfer), "verbreek" (drops the connection
after the first piece), and for SFTP "stil-open" and "stil-mkdir" (stops
answering at that request) and "geen-wachtwoord" (offers no password login).
The SFTP server renames like OpenSSH: never over an existing file.

The FTPS server is vsftpd, anonymous logins only (user "anonymous", any
password), as the user who starts it; DIR gets its configuration, its log
(every command, "PASS" for a password) and the certificates, made with
openssl: ca.pem is the test CA, and CERTIFICATE chooses the server's own:
"ca" (signed by the CA for 127.0.0.1), "zelf" (self-signed) or "anderehost"
(signed by the CA for another host).

Prints the port on the first line of standard output and serves until its
standard input closes, so a test that ends, however it ends, stops it.
"""

import os
import signal
import socket
import subprocess
import sys
import threading
import time

children = []


def stop_children():
    # vsftpd forks a process per connection: each child runs in a process
    # group of its own, and the whole group goes.
    for child in list(children):
        try:
            os.killpg(child.pid, signal.SIGKILL)
        except OSError:
            pass


def stop(*_):
    stop_children()
    os._exit(0)


def stop_when_stdin_closes():
    signal.signal(signal.SIGTERM, stop)

    def wait():
        sys.stdin.buffer.read()
        stop()

    threading.Thread(target=wait, daemon=True).start()


def announce(port):
    sys.stdout.write("%d\n" % port)
    sys.stdout.flush()


def hang():
    threading.Event().wait()


def serve_ftp(root, user, password, fault=None, name=None):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import DTPHandler, FTPHandler
    from pyftpdlib.servers import FTPServer
    import logging

    logging.disable(logging.CRITICAL)

    class Dtp(DTPHandler):
        def ours(self):
            f = self.file_obj
            return f is not None and os.path.basename(f.name).startswith(name or "\0")

        def handle_read(self):
            if fault == "stil" and self.ours():
                # Takes nothing more and never confirms the transfer.
                self.del_channel()
                return
            super().handle_read()
            if fault == "verbreek" and self.ours():
                self.cmd_channel.close()

        handle_read_event = handle_read

    class Handler(FTPHandler):
        def ftp_STOR(self, file, mode="w"):
            if fault == "vol" and os.path.basename(file).startswith(name):
                self.respond("452 Insufficient storage space.")
                return
            return super().ftp_STOR(file, mode)

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmwMT")
    handler = Handler
    handler.authorizer = authorizer
    handler.auth_failed_timeout = 0
    handler.dtp_handler = Dtp
    server = FTPServer(("127.0.0.1", 0), handler)
    announce(server.socket.getsockname()[1])
    server.serve_forever()


def serve_sftp(root, user, password, hostkey, fault=None, name=None):
    import logging
    import paramiko

    logging.disable(logging.CRITICAL)

    if not os.path.exists(hostkey):
        paramiko.ECDSAKey.generate().write_private_key_file(hostkey)
    key = paramiko.ECDSAKey.from_private_key_file(hostkey)

    class Server(paramiko.ServerInterface):
        def check_auth_password(self, username, given):
            if fault != "geen-wachtwoord" and (username, given) == (user, password):
                return paramiko.AUTH_SUCCESSFUL
            return paramiko.AUTH_FAILED

        def get_allowed_auths(self, username):
            return "publickey" if fault == "geen-wachtwoord" else "password"

        def check_channel_request(self, kind, chanid):
            if kind == "session":
                return paramiko.OPEN_SUCCEEDED
            return paramiko.OPEN_FAILED_ADMINISTRATIVELY_PROHIBITED

    class Handle(paramiko.SFTPHandle):
        fault = None
        transport = None

        def write(self, offset, data):
            if self.fault == "vol":
                return paramiko.SFTP_FAILURE
            if self.fault == "stil":
                hang()
            result = super().write(offset, data)
            if self.fault == "verbreek":
                self.transport.close()
            return result

        def stat(self):
            return paramiko.SFTPAttributes.from_stat(os.fstat(self.readfile.fileno()))

    class Sftp(paramiko.SFTPServerInterface):
        def __init__(self, server, transport):
            super().__init__(server)
            self.transport = transport

        def _path(self, path):
            return os.path.join(root, self.canonicalize(path).lstrip("/"))

        def open(self, path, flags, attr):
            if fault == "stil-open":
                hang()
            try:
                fd = os.open(self._path(path), flags, 0o666)
            except OSError as e:
                return paramiko.SFTPServer.convert_errno(e.errno)
            mode = "wb" if flags & os.O_WRONLY else ("r+b" if flags & os.O_RDWR else "rb")
            f = os.fdopen(fd, mode)
            handle = Handle(flags)
            handle.readfile = f
            handle.writefile = f
            handle.transport = self.transport
            if name and os.path.basename(path).startswith(name):
                handle.fault = fault
            return handle

        def stat(self, path):
            try:
                return paramiko.SFTPAttributes.from_stat(os.stat(self._path(path)))
            except OSError as e:
                return paramiko.SFTPServer.convert_errno(e.errno)

        lstat = stat

        def mkdir(self, path, attr):
            if fault == "stil-mkdir":
                hang()
            try:
                os.mkdir(self._path(path))
            except OSError as e:
                return paramiko.SFTPServer.convert_errno(e.errno)
            return paramiko.SFTP_OK

        def remove(self, path):
            try:
                os.remove(self._path(path))
            except OSError as e:
                return paramiko.SFTPServer.convert_errno(e.errno)
            return paramiko.SFTP_OK

        def rename(self, old, new):
            # As OpenSSH's server: a link and an unlink, so never over an existing file.
            try:
                os.link(self._path(old), self._path(new))
                os.remove(self._path(old))
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
        transport.set_subsystem_handler("sftp", paramiko.SFTPServer, Sftp, transport)
        try:
            transport.start_server(server=Server())
        except Exception:
            transport.close()


def openssl(*args):
    subprocess.run(["openssl"] + list(args), check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def make_certificates(folder, kind):
    ca = os.path.join(folder, "ca.pem")
    ca_key = os.path.join(folder, "ca.key")
    if not os.path.exists(ca):
        openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", ca_key, "-out", ca,
                "-days", "2", "-subj", "/CN=Morvel test CA",
                "-addext", "basicConstraints=critical,CA:TRUE",
                "-addext", "keyUsage=critical,keyCertSign,cRLSign")
    cert = os.path.join(folder, "server-" + kind + ".pem")
    key = os.path.join(folder, "server-" + kind + ".key")
    host = "elders.example" if kind == "anderehost" else "127.0.0.1"
    names = "DNS:elders.example" if kind == "anderehost" else "IP:127.0.0.1,DNS:localhost"
    if kind == "zelf":
        openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert,
                "-days", "2", "-subj", "/CN=" + host, "-addext", "subjectAltName=" + names)
        return cert, key
    request = os.path.join(folder, "server-" + kind + ".csr")
    extensions = os.path.join(folder, "server-" + kind + ".ext")
    with open(extensions, "w") as f:
        f.write("subjectAltName=%s\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n"
                % names)
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", request,
            "-subj", "/CN=" + host)
    openssl("x509", "-req", "-in", request, "-CA", ca, "-CAkey", ca_key, "-CAcreateserial",
            "-out", cert, "-days", "2", "-extfile", extensions)
    return cert, key


def free_port():
    s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def serve_ftps(root, folder, kind):
    cert, key = make_certificates(folder, kind)
    settings = {
        "listen": "YES", "listen_address": "127.0.0.1", "background": "NO",
        "run_as_launching_user": "YES", "seccomp_sandbox": "NO", "isolate": "NO",
        "isolate_network": "NO", "anonymous_enable": "YES", "local_enable": "NO",
        "no_anon_password": "NO", "anon_root": root, "write_enable": "YES",
        "anon_upload_enable": "YES", "anon_mkdir_write_enable": "YES",
        "anon_other_write_enable": "YES", "anon_umask": "022",
        "anon_world_readable_only": "NO", "utf8_filesystem": "YES", "ssl_enable": "YES",
        "allow_anon_ssl": "YES", "force_anon_logins_ssl": "YES",
        "force_anon_data_ssl": "YES", "rsa_cert_file": cert, "rsa_private_key_file": key,
        "require_ssl_reuse": "NO", "ssl_ciphers": "HIGH", "ascii_upload_enable": "YES", "log_ftp_protocol": "YES",
        "xferlog_enable": "YES", "xferlog_std_format": "NO",
        "vsftpd_log_file": os.path.join(folder, "vsftpd.log"), "pasv_enable": "YES",
        "pasv_address": "127.0.0.1",
    }
    configuration = os.path.join(folder, "vsftpd.conf")
    for attempt in range(20):
        port = free_port()
        settings["listen_port"] = str(port)
        with open(configuration, "w") as f:
            f.write("".join("%s=%s\n" % item for item in settings.items()))
        child = subprocess.Popen(["/usr/sbin/vsftpd", configuration], start_new_session=True,
                                 stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        children.append(child)
        for _ in range(100):
            if child.poll() is not None:
                break
            try:
                socket.create_connection(("127.0.0.1", port), 0.2).close()
                announce(port)
                child.wait()
                os._exit(1)
            except OSError:
                time.sleep(0.05)
        stop_children()
        child.wait()
        children.remove(child)
    sys.exit("vsftpd did not start")


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
        serve_ftp(*sys.argv[2:7])
    elif kind == "sftp":
        serve_sftp(*sys.argv[2:8])
    elif kind == "ftps":
        serve_ftps(*sys.argv[2:5])
    elif kind == "stil":
        serve_silent()
    else:
        sys.exit("unknown server kind " + kind)


if __name__ == "__main__":
    main()
