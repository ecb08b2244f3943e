#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace montora::test {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program to completion (60 s at most).
ToolRun runTool(const QString& program, const QStringList& args);
// Runs our own `montora` CLI.
ToolRun runCli(const QStringList& args);

// A picture of seeded random pixels (opaque unless withAlpha).
QImage seededImage(int width, int height, quint32 seed, bool withAlpha = false);
// A picture with four flat quadrants (red, green, blue, white): survives lossy codecs.
QImage quadrantImage(int width, int height);

// A PNG whose header claims `width` x `height` (checksums right), with a scrap of data.
QByteArray forgedPng(quint32 width, quint32 height);

// The JPEG with an EXIF block holding only an orientation tag, right after its SOI.
QByteArray withExifOrientation(const QByteArray& jpeg, quint16 orientation);

QByteArray readFileBytes(const QString& path);
bool writeFileBytes(const QString& path, const QByteArray& bytes);

// Reads a binary PPM (P6) or PGM (P5) with maxval 255, as written by `gm convert`:
// an independent path for checking pixels that our decoders never touch.
QImage readNetpbm(const QByteArray& bytes);
// Decodes any file with GraphicsMagick's command-line tool into a QImage via PPM.
QImage decodeWithGm(const QString& path);

// Largest per-channel difference between two pictures of the same size (-1 if sizes differ).
int maxChannelDifference(const QImage& a, const QImage& b);

} // namespace montora::test
