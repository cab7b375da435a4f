// vorlane-bench-ftp: one transfer through the program's FTP component, for bench/ftp.sh.
// usage: vorlane-bench-ftp get|put PORT USER PASSWORD REMOTE LOCAL
// Prints the seconds from the transfer request to its end; exits 1 on any FTP error.
#include "net/core/tstarftp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 7 || (args[1] != QLatin1String("get") && args[1] != QLatin1String("put"))) {
        std::fprintf(stderr, "usage: vorlane-bench-ftp get|put PORT USER PASSWORD REMOTE LOCAL\n");
        return 2;
    }
    const bool get = args[1] == QLatin1String("get");
    net::TStarFtp ftp;
    QElapsedTimer clock;
    int status = 0;
    ftp.OnFtpError = [&](net::TStarFtp *, net::FtpError error, const QString &text) {
        std::fprintf(stderr, "vorlane-bench-ftp: error %d: %s\n", int(error), qPrintable(text));
        status = 1;
        QCoreApplication::exit(1);
    };
    // The log-in is reported just after the component became ready: the request goes in from
    // the event loop, once the report has returned.
    ftp.OnLoggedIn = [&](net::TStarFtp *) {
        QTimer::singleShot(0, &app, [&] {
            ftp.SetRemoteFile(args[5].toUtf8());
            ftp.SetLocalFile(args[6]);
            clock.start();
            get ? ftp.GetFile() : ftp.PutFile();
        });
    };
    const auto finished = [&](net::TStarFtp *) {
        std::printf("%.3f\n", double(clock.nsecsElapsed()) / 1e9);
        QCoreApplication::exit(status);
    };
    ftp.OnFileReceived = finished;
    ftp.OnFileStored = finished;
    ftp.SetFtpServer(QStringLiteral("127.0.0.1"));
    ftp.SetFtpPort(quint16(args[2].toUInt()));
    ftp.SetUserName(args[3]);
    ftp.SetUserPassword(args[4]);
    ftp.Open();
    return QCoreApplication::exec();
}
