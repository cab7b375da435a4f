// The directory-listing parser: turns one line of a LIST reply into an entry (name, directory or
// not, date text, size text) by the listing style of the server, or rejects it. The only state
// is the start of a VMS entry that the server wrapped onto a line of its own; each FTP component
// owns its parser, so two sessions never mix their listings.
#pragma once

#include "net/core/ftptypes.h"

#include <QByteArray>

namespace net {

struct ListingEntry {
    bool parsed = false;
    QByteArray name;
    bool isDirectory = false;
    QByteArray date;
    QByteArray size;
};

class ListingParser {
public:
    /// One listing line, without its CR LF.
    ListingEntry ParseListingLine(TFTPServerType serverType, const QByteArray &line);

    /// The text after the last blank, once a link target ("-> ...") and trailing blanks are gone.
    static QByteArray ListingName(const QByteArray &line);
    /// Word \a n (from 0) once runs of blanks are single blanks. A word must be followed by a
    /// blank to count, so the last word of a line reads as empty, as does word 0 of a line that
    /// begins with a blank.
    static QByteArray ListingWord(const QByteArray &line, int n);

private:
    ListingEntry parseUnix(const QByteArray &line) const;
    ListingEntry parseVms(const QByteArray &line);

    QByteArray m_continuation;
};

} // namespace net
