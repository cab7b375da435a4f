// Real PE files for the resource explorer tests, made in the test run: pictures by
// ImageMagick, resources compiled by mingw-w64 windres, linked by mingw-w64 gcc as a 32-bit
// (PE32) and a 64-bit (PE32+) executable and a 32-bit DLL. Built once per test program.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace rxtests {

struct SamplePe {
    QString folder;
    QString exe32;
    QString exe64;
    QString dll32;
    QString noResources; ///< a 32-bit executable without a resource section
    // The files the resource script named, as they were compiled in.
    QString multiIcon;   ///< 256 (PNG), 48 and 16 pixels, 32 bits
    QString paletteIcon; ///< one 32 x 32 image with 16 colours
    QString cursor;      ///< one 32 x 32 image, hot spot (5, 7)
    QString bitmap8;     ///< 8 bits, colours-used 0
    QString bitmap24;    ///< 24 bits, 40-byte header
    QString bitmapV5;    ///< 24 bits, 124-byte header (ImageMagick's default)
    QByteArray rcdata;   ///< the bytes of RCDATA 300
    QByteArray custom;   ///< the bytes of MYTYPE "HELLO"
};

/// The sample files; the first call makes them.
const SamplePe &samplePe();

/// Runs \a program and gives its standard output; throws std::runtime_error when it fails.
QByteArray runTool(const QString &program, const QStringList &arguments);

/// Frame \a index of \a path as ImageMagick decodes it, ARGB32.
QImage magickImage(const QString &path, int index = 0);

QByteArray readFile(const QString &path);

} // namespace rxtests
