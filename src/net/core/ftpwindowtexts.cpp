// Texts of the FTP client window.
#include "net/core/ftpwindowtexts.h"

namespace net {

QString ftpErrorMessage(FtpError error, const QString &addinfo)
{
    switch (error) {
    case errWinsockNotInitialized:
        return QStringLiteral("L'interface winsock ne peut pas etre initialisée. assurez vous que winsock est installé sur votre systeme.");
    case errNetworkDown:
    case errNetworkUnreachable:
    case errAddressNotAvailable:
    case errHostUnreachable:
        return QStringLiteral("Le reseau estéteint. assurez vous que vous avez établi une connection sur le reseau.");
    case errInvalidAddress:
    case errAddressResolution:
        return QStringLiteral("Quendrix ne peut pas trouver votre serveur de courrier FTP .  Verifiez que vous etes connecté à votre fournisseur de service et que que vos informations de configuration sont correctes.");
    case errInternal:
    case errGeneralWinsock:
    case errUnknown:
        return QStringLiteral("Une erreur inatendue est survenue");
    case errConnectionAborted:
    case errConnectionReset:
    case errConnectionClosed:
        return QStringLiteral("La connexion à été soudainement fermée par le serveur distant");
    case errTimeout:
        return QStringLiteral("Le delai pour la connexion au serveur est depassé.");
    case errOutOfSockets:
        return QStringLiteral("Winsock est \"débranché\". Fermer l'application winsock  avant de Réessayer à nouveau.");
    case errConnectionRefused:
        return QStringLiteral("Le serveur de mails à refusé la connexion. Assurez vous que vous avez entré des parametres correctes pour votre serveur de FTP.");
    case errUnexpectedReply:
        return QStringLiteral("Une reponse innatendue a été reçue par votre serveur de Mail. Assurez vous que vous avez entré des parametres correctes pour votre port FTP .");
    case errCancelled:
        return QStringLiteral("La transaction a été annulée.");
    case errNoServer:
        return QStringLiteral("Aucun serveur spécifié");
    case errLocalOpen:
    case errNoRemoteFile:
        return QStringLiteral("Erreur d'ouverture") + addinfo;
    case errLocalWrite:
        return QStringLiteral(" Erreur d'ecriture  vers   ") + addinfo;
    case errLocalRead:
        return QStringLiteral(" Erreur de lecture depuis ") + addinfo;
    case errNoGreeting:
        return QStringLiteral("La liaison au serveur FTP est fremée.");
    case errLoginRefused:
        return QStringLiteral("Acces refusé. Verifiez votre user ID et votre password.");
    case errDataTransfer:
        return QStringLiteral("Une erreur est survenue pendant le transfert des données.");
    default:
        return QString();
    }
}

// Milliseconds shown with three digits: 1005 ms is 1.005 seconds.
QString transferStatistics(std::uint32_t bytes, std::uint32_t elapsedMs)
{
    return QStringLiteral("%1 octets transferrés en %2.%3 secondes (%4K à la seconde)")
        .arg(bytes)
        .arg(elapsedMs / 1000)
        .arg(elapsedMs % 1000, 3, 10, QLatin1Char('0'))
        .arg(elapsedMs == 0 ? 0 : bytes / elapsedMs);
}

QString needInfoTitle(TFtpInfoNeeded need)
{
    switch (need) {
    case needServer: return QStringLiteral("Serveur");
    case needUserName: return QStringLiteral("User ID");
    case needPassword: return QStringLiteral("Password");
    case needAccount: return QStringLiteral("Account");
    }
    return QString();
}

QString needInfoPrompt(TFtpInfoNeeded need)
{
    return QStringLiteral("Entrer le ") + needInfoTitle(need).toLower() + u'.';
}

ServerAddress splitServerText(const QString &text)
{
    ServerAddress address;
    address.host = text.trimmed();
    const qsizetype colon = address.host.lastIndexOf(u':');
    if (colon > 0 && address.host.indexOf(u':') == colon) {
        bool valid = false;
        const uint port = address.host.mid(colon + 1).toUInt(&valid);
        if (valid && port > 0 && port <= 65535) {
            address.port = quint16(port);
            address.host.truncate(colon);
        }
    }
    return address;
}

QString joinServerText(const QString &host, quint16 port)
{
    return port == 21 || port == 0 ? host : host + u':' + QString::number(port);
}

} // namespace net
