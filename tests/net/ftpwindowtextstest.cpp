// The FTP window's texts that need no widget: error messages, upload statistics, prompts and
// the server text with its port.
#include "net/core/ftpwindowtexts.h"

#include <QTest>

using namespace net;

Q_DECLARE_METATYPE(net::FtpError)

class FtpWindowTextsTest : public QObject {
    Q_OBJECT

private slots:
    void errorMessages_data();
    void errorMessages();
    void transferStatistics_data();
    void transferStatistics();
    void prompts();
    void serverText_data();
    void serverText();
};

void FtpWindowTextsTest::errorMessages_data()
{
    QTest::addColumn<FtpError>("error");
    QTest::addColumn<QString>("message");
    QTest::newRow("refused") << errConnectionRefused
                             << QStringLiteral("Le serveur de mails à refusé la connexion. Assurez vous que vous avez "
                                               "entré des parametres correctes pour votre serveur de FTP.");
    QTest::newRow("resolution shares the text of 3")
        << errAddressResolution
        << QStringLiteral("Quendrix ne peut pas trouver votre serveur de courrier FTP .  Verifiez que vous etes connecté "
                          "à votre fournisseur de service et que que vos informations de configuration sont correctes.");
    QTest::newRow("out of sockets") << errOutOfSockets
                                    << QStringLiteral("Winsock est \"débranché\". Fermer l'application winsock  avant de "
                                                      "Réessayer à nouveau.");
    QTest::newRow("local open takes the addinfo") << errLocalOpen << QStringLiteral("Erreur d'ouvertureError");
    QTest::newRow("local write takes the addinfo") << errLocalWrite << QStringLiteral(" Erreur d'ecriture  vers   Error");
    QTest::newRow("login") << errLoginRefused
                           << QStringLiteral("Acces refusé. Verifiez votre user ID et votre password.");
    QTest::newRow("none") << errNone << QString();
    QTest::newRow("reserved") << errReserved25 << QString();
}

void FtpWindowTextsTest::errorMessages()
{
    QFETCH(FtpError, error);
    QTEST(ftpErrorMessage(error, QStringLiteral("Error")), "message");
}

void FtpWindowTextsTest::transferStatistics_data()
{
    QTest::addColumn<uint>("bytes");
    QTest::addColumn<uint>("ms");
    QTest::addColumn<QString>("line");
    QTest::newRow("milliseconds keep their zeros") << 5000u << 1005u
                                                   << QStringLiteral("5000 octets transferrés en 1.005 secondes (4K à la seconde)");
    QTest::newRow("under a second") << 300u << 30u << QStringLiteral("300 octets transferrés en 0.030 secondes (10K à la seconde)");
}

void FtpWindowTextsTest::transferStatistics()
{
    QFETCH(uint, bytes);
    QFETCH(uint, ms);
    QTEST(net::transferStatistics(bytes, ms), "line");
}

void FtpWindowTextsTest::prompts()
{
    QCOMPARE(needInfoTitle(needUserName), QStringLiteral("User ID"));
    QCOMPARE(needInfoPrompt(needUserName), QStringLiteral("Entrer le user id."));
    QCOMPARE(needInfoPrompt(needServer), QStringLiteral("Entrer le serveur."));
}

void FtpWindowTextsTest::serverText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("joined");
    QTest::newRow("host alone") << "ftp.example.org" << "ftp.example.org" << 21 << "ftp.example.org";
    QTest::newRow("address and port") << "127.0.0.1:2121" << "127.0.0.1" << 2121 << "127.0.0.1:2121";
    QTest::newRow("port 21 is left out") << "host:21" << "host" << 21 << "host";
    QTest::newRow("not a port") << "host:abc" << "host:abc" << 21 << "host:abc";
    QTest::newRow("port out of range") << "host:70000" << "host:70000" << 21 << "host:70000";
    QTest::newRow("empty") << "" << "" << 21 << "";
}

void FtpWindowTextsTest::serverText()
{
    QFETCH(QString, text);
    const ServerAddress address = splitServerText(text);
    QTEST(address.host, "host");
    QTEST(int(address.port), "port");
    QTEST(joinServerText(address.host, address.port), "joined");
}

QTEST_GUILESS_MAIN(FtpWindowTextsTest)
#include "ftpwindowtextstest.moc"
