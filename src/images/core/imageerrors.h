// The errors of the picture code. Each carries the message the user sees in the error box; the
// GIF classes and their texts are those the program has always shown.
#pragma once

#include <QString>

#include <exception>

namespace images {

/// Common base: an exception with a message.
class ImageError : public std::exception {
public:
    explicit ImageError(QString message);
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

/// A GIF file the reader or writer cannot handle.
class EGifException : public ImageError {
public:
    using ImageError::ImageError;
};

/// An index outside 1 to the size of a byte array.
class EIndexOutOfBounds : public ImageError {
public:
    EIndexOutOfBounds();
};

/// A byte array too large to be made.
class ENotEnoughMemory : public ImageError {
public:
    explicit ENotEnoughMemory(qint64 requested);
};

/// An item number outside a list (no image, no data).
class EListError : public ImageError {
public:
    explicit EListError(qint64 index);
};

/// A file that cannot be opened, read or written, or that ends inside a block.
class EInOutError : public ImageError {
public:
    using ImageError::ImageError;
    static EInOutError unexpectedEnd();
};

/// A failure reported by libjpeg, by its message number.
class EJpegError : public ImageError {
public:
    explicit EJpegError(int code);
    int code() const { return m_code; }

private:
    int m_code;
};

/// A bitmap file that cannot be read or written.
class EBmpError : public ImageError {
public:
    using ImageError::ImageError;
};

/// An icon file, or one image of it, that cannot be read or written.
class EIconError : public ImageError {
public:
    using ImageError::ImageError;
};

/// A row stored into a matrix with the wrong length.
class EMatrixRowError : public ImageError {
public:
    EMatrixRowError();
};

} // namespace images
