#pragma once

#include <QByteArray>
#include <QString>

// A zip archive is read from its end: junk before it (a self-extractor's stub, another file) or
// after it would be carried along unseen by readers that search for its directory. A bundle is a
// zip archive and nothing else.

// Why `archive` is not exactly one zip archive, in words; empty when it is: it starts with an
// entry, its end-of-central-directory record ends the file, and its directory lies just before
// that record, listing as many entries as the record says, each at a local header before it.
// Zip64 archives are refused: a bundle is far smaller than 4 GiB.
QString Zip_LayoutRefusal(const QByteArray &archive);
