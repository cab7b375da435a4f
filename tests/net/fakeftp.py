#!/usr/bin/python3
# A scripted FTP server that misbehaves on purpose, for the network tests. It listens on
# 127.0.0.1 on a free port, prints the port as its first line, and serves one client at a time
# in the manner MODE names. Apart from the misbehaviour it logs anyone in and answers SYST, PWD,
# TYPE, PORT, CWD and QUIT plainly. It ends when its standard input closes.
import os
import random
import socket
import sys
import threading
import time

MODE = sys.argv[1]


def hold(conn):
    # Keeps a connection open, reading and dropping what comes, until the peer goes away.
    try:
        while conn.recv(65536):
            pass
    except OSError:
        pass


def data_connection(port_arg, source='127.0.0.1'):
    parts = [int(p) for p in port_arg.split(',')]
    address = '.'.join(str(p) for p in parts[:4])
    data = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    data.bind((source, 0))
    data.connect((address, parts[4] * 256 + parts[5]))
    return data


def send_forever(sock, chunk):
    try:
        while True:
            sock.sendall(chunk)
    except OSError:
        pass


def listing_line(name):
    return ('-rw-r--r--   1 ftp  ftp   %d Jan 01 12:00 %s\r\n' % (len(name), name)).encode()


def greeting(conn):
    if MODE == 'silent':
        hold(conn)
        return False
    if MODE == 'garbage':
        rng = random.Random(8)
        conn.sendall(bytes(rng.randrange(256) for _ in range(200000)))
        hold(conn)
        return False
    if MODE == 'longline':
        conn.sendall(b'220 ' + b'x' * (2 * 1024 * 1024))
        hold(conn)
        return False
    if MODE == 'nonnumeric':
        conn.sendall(b'abc hello\r\n')
        hold(conn)
        return False
    if MODE == 'multiline':
        conn.sendall(b'220-Welcome\r\n220-to the\r\n221 not the end\r\n220 server\r\n')
    elif MODE == 'short':
        conn.sendall(b'220\r\n')
    else:
        conn.sendall(b'220 fake server\r\n')
    return True


def session(conn):
    if not greeting(conn):
        return
    reader = conn.makefile('rb')
    port_arg = None
    held = []
    users = 0
    folder = '/'
    short = MODE == 'short'
    while True:
        raw = reader.readline()
        if not raw:
            return
        # Telnet interrupt and synch bytes before a command are dropped, as real servers do.
        line = raw.rstrip(b'\r\n').lstrip(b'\xff\xf4\xf2').decode('latin-1')
        verb = line.split(' ')[0].upper()
        argument = line[len(verb) + 1:]
        if verb == 'USER':
            users += 1
            conn.sendall(b'331\r\n' if short else b'331 password please\r\n')
        elif verb == 'PASS':
            conn.sendall(b'230\r\n' if short else b'230 logged in (USER seen %d)\r\n' % users)
        elif verb == 'SYST':
            conn.sendall(b'215 UNIX Type: L8\r\n')
        elif verb == 'PWD':
            if MODE == 'closecontrol':
                conn.shutdown(socket.SHUT_RDWR)
                return
            if MODE == 'pwdnonnumeric':
                conn.sendall(b'xyz "/"\r\n')
                continue
            conn.sendall(b'257 "/" is here\r\n')
        elif verb == 'CWD':
            folder = argument
            conn.sendall(b'250 ok\r\n')
        elif verb in ('TYPE', 'MKD', 'RMD', 'DELE'):
            conn.sendall(b'200 ok\r\n')
        elif verb == 'PORT':
            port_arg = argument
            conn.sendall(b'200 PORT ok\r\n')
        elif verb == 'QUIT':
            conn.sendall(b'221 bye\r\n')
            conn.shutdown(socket.SHUT_RDWR)
            return
        elif verb == 'ABOR':
            if MODE == 'ignoreabort':
                continue
            if held:
                held.pop().close()
                conn.sendall(b'426 Transfer aborted\r\n')
            conn.sendall(b'226 ABOR ok\r\n')
        elif verb == 'LIST':
            if MODE.startswith('refuselist') and folder == 'locked':
                # A folder that can be entered but not listed.
                conn.sendall(MODE[-3:].encode() + b' Permission denied.\r\n')
                continue
            listing(conn, port_arg)
        elif verb == 'RETR':
            held += retrieve(conn, port_arg)
        else:
            conn.sendall(b'502 not here\r\n')


def listing(conn, port_arg):
    conn.sendall(b'150 here it comes\r\n')
    data = data_connection(port_arg)
    if MODE == 'longlisting':
        data.sendall(b'-rw-r--r-- 1 a b 1 Jan 01 12:00 ' + b'n' * 100 * 1024 + b'\r\n')
        data.close()
        conn.sendall(b'226 done\r\n')
    elif MODE == 'floodlisting':
        threading.Thread(target=send_forever, args=(data, listing_line('f' * 30000)), daemon=True).start()
    elif MODE == 'garbagelisting':
        rng = random.Random(3)
        data.sendall(bytes(rng.randrange(256) for _ in range(30000)))
        data.sendall(listing_line('last.txt'))
        data.close()
        conn.sendall(b'226 done\r\n')
    else:
        data.sendall(listing_line('a.txt') + listing_line('b c.txt'))
        data.close()
        conn.sendall(b'226 done\r\n')


# Returns the data connections it leaves open.
def retrieve(conn, port_arg):
    conn.sendall(b'150 Opening BINARY mode data connection (4096 bytes)\r\n')
    if MODE == 'intruder':
        data = data_connection(port_arg, source='127.0.0.2')
        data.sendall(b'not from the server' * 100)
        return [data]
    data = data_connection(port_arg)
    data.sendall(b'D' * 4096)
    if MODE == 'holddata' or MODE == 'ignoreabort':
        return [data]
    if MODE == 'holddata226':
        conn.sendall(b'226 sent\r\n')
        return [data]
    data.close()
    if MODE == '426only':
        conn.sendall(b'426 Connection closed; transfer aborted.\r\n')
    else:
        conn.sendall(b'226 sent\r\n')
    return []


def main():
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(('127.0.0.1', 0))
    server.listen(8)
    print(server.getsockname()[1], flush=True)
    threading.Thread(target=lambda: (sys.stdin.read(), os._exit(0)), daemon=True).start()
    while True:
        conn, _ = server.accept()
        threading.Thread(target=lambda c=conn: (session(c), c.close()), daemon=True).start()


main()
