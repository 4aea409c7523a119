#pragma once

#include "protocol/result.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class QFile;

// What keeps an image file from being used, found while it was read: the failure, and what the
// operator is shown when a job gets to the image (a message, then perhaps a log line).
struct ImageRefusal {
    Failure failure;
    QString message;
    QString logLine; // empty: none
};

// An image file as a run read it, once: every board of the run is written from and checked
// against these bytes, whatever happens to the file meanwhile. The reading's verdict is kept
// with it: a job that gets to a refused image shows the refusal and fails there, on every board.
struct ImageFile {
    QString path;         // as it was named; empty when none was
    QString absolutePath; // for the records
    qint64 size = 0;      // the file's size when it was opened
    QByteArray bytes;     // the whole file, once read
    bool read = false;    // `bytes` hold the whole file (a file too large to use is not read)
    uint32_t crc = 0;     // CRC-32 of `bytes`
    QByteArray sha256;    // SHA-256 of `bytes`
    // The bytes are an MCU image as it is written, whatever the name says (a release bundle's:
    // its maker put it in order and took the trailer off); otherwise the name decides.
    bool inImageOrder = false;
    std::optional<ImageRefusal> refusal;

    bool usable() const { return !refusal; }
};

using ImageSnapshot = std::shared_ptr<const ImageFile>;

// The first steps of reading `path` into `image`: its names, then `file` opened for reading and
// its size. False when it cannot be opened.
bool Open_ImageFile(const QString &path, QFile &file, ImageFile &image);

// How reading the open file whole ended.
enum class WholeRead { Read, Short, NoMemory };
// Reads the rest of `file` (image.size bytes) into `image` with its CRC-32 and SHA-256.
WholeRead Read_ImageBytes(QFile &file, ImageFile &image);
