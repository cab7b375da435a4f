// vorlane-bench-ftp-server: one of the test FTP servers on 127.0.0.1, for bench/ftp.sh.
// usage: vorlane-bench-ftp-server pyftpdlib|vsftpd|proftpd ROOT
// Prints the port, then serves ROOT until its standard input closes. Its user is that of the
// tests: "alice"/"secret" for pyftpdlib and proftpd, anonymous for vsftpd.
#include "net/testserver.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: vorlane-bench-ftp-server pyftpdlib|vsftpd|proftpd ROOT\n");
        return 2;
    }
    TestServer server;
    const QString &kind = args[1];
    const bool started = kind == QLatin1String("pyftpdlib") ? server.startPyftpdlib(args[2])
                         : kind == QLatin1String("vsftpd")  ? server.startVsftpd(args[2])
                         : kind == QLatin1String("proftpd") ? server.startProftpd(args[2])
                                                            : false;
    if (!started) {
        std::fprintf(stderr, "vorlane-bench-ftp-server: %s\n", qPrintable(server.error().isEmpty() ? kind + " is not a server" : server.error()));
        return 1;
    }
    std::printf("%u\n", unsigned(server.port()));
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line);) {
    }
    server.stop();
    return 0;
}
