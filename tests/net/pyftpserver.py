#!/usr/bin/python3
# A throw-away pyftpdlib server for the network tests, on 127.0.0.1 and a free port, which it
# prints as its first line. User "alice" (password "secret") may do everything in ROOT, except
# list a folder ROOT/locked when there is one (she may enter it); the anonymous user may read
# ROOT. The server ends when its standard input closes, so it never outlives the test that
# started it.
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    root = sys.argv[1]
    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user('alice', 'secret', root, perm='elradfmwMT')
    locked = os.path.join(root, 'locked')
    if os.path.isdir(locked):
        authorizer.override_perm('alice', locked, 'e', recursive=True)
    authorizer.add_anonymous(root)
    handler = FTPHandler
    handler.authorizer = authorizer
    server = FTPServer(('127.0.0.1', 0), handler)
    print(server.address[1], flush=True)
    threading.Thread(target=lambda: (sys.stdin.read(), os._exit(0)), daemon=True).start()
    server.serve_forever()


main()
