#include "station/refusal_words.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace {

// A refusal as the layer below words it, its values %1, %2, ...; `nested`: the value that is a
// refusal itself (0: none).
struct Wording {
    const char *words;
    int nested = 0;
};

// Of two that both match, the longer goes first.
const Wording Wordings[] = {
    // The line's options.
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 takes a whole number from %2 to %3, not \"%4\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 applies to --mqtt")},
    {QT_TRANSLATE_NOOP("RefusalWords", "--station \"%1\": a station's name cannot hold /, +, # or "
                                       "control characters, nor be empty")},
    // The broker.
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "--mqtt takes mqtt://HOST[:PORT][/PREFIX] or mqtts://..., not \"%1\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "--mqtt \"%1\": a user name or password goes in the "
                                       "--mqtt-auth file; a query or fragment means nothing here")},
    {QT_TRANSLATE_NOOP("RefusalWords", "--mqtt \"%1\": the topic prefix cannot hold + or #")},
    {QT_TRANSLATE_NOOP("RefusalWords", "--mqtt \"%1\": the topic prefix cannot start with $ (the "
                                       "broker's own topics)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "cannot set up the MQTT client: %1")},
    {QT_TRANSLATE_NOOP("RefusalWords", "cannot read the MQTT password file \"%1\": %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "its first line is not USER:PASSWORD")},
    // The hooks.
    {QT_TRANSLATE_NOOP("RefusalWords", "--before-board \"%1\": %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "--after-board \"%1\": %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 exited with status %2: %3")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 exited with status %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 crashed (signal %2): %3")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 crashed (signal %2)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 crashed: %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 crashed")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 gave no answer within %2: %3")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 gave no answer within %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 was ended by the stop")},
    {QT_TRANSLATE_NOOP("RefusalWords", "cannot run %1: %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "no such program")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the command names no program")},
    {QT_TRANSLATE_NOOP("RefusalWords", "no program \"%1\" in PATH")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" is not an executable file")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" is not there")},
    // station.conf and the words of a command.
    {QT_TRANSLATE_NOOP("RefusalWords", "a backslash ends the line")},
    {QT_TRANSLATE_NOOP("RefusalWords", "a ' quote is not closed")},
    {QT_TRANSLATE_NOOP("RefusalWords", "a \" quote is not closed")},
    {QT_TRANSLATE_NOOP("RefusalWords", "--config needs a file name")},
    {QT_TRANSLATE_NOOP("RefusalWords", "cannot read the configuration file \"%1\": %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "no such file")},
    {QT_TRANSLATE_NOOP("RefusalWords", "not a file")},
    {QT_TRANSLATE_NOOP("RefusalWords", "larger than %1 KiB")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1: a configuration file cannot name another one")},
    // A bundle's check of the chip.
    {QT_TRANSLATE_NOOP("RefusalWords", "bundle for boot version %1 or later; this chip's is %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "bundle for flash IDs %1; this chip's flash ID is %2")},
    // A bundle: its signature, its images, its archive.
    {QT_TRANSLATE_NOOP("RefusalWords", "its signature is bad: %1"), 1},
    {QT_TRANSLATE_NOOP("RefusalWords", "it is signed by key ID %1, which is not a trusted key")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "it is signed by key ID %1, and no key is trusted here to check the "
                       "signature: trust its public key (--trust FILE, or a file in %2)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "it is not signed, and only bundles signed by a trusted "
                                       "key are accepted here")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the bundle is not signed and no key is trusted here: "
                                       "its origin is not checked")},
    {QT_TRANSLATE_NOOP("RefusalWords", "not signed")},
    {QT_TRANSLATE_NOOP("RefusalWords", "signed by key ID %1, trusted (%2)")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "signed by key ID %1, not trusted: no trusted key has that ID")},
    {QT_TRANSLATE_NOOP("RefusalWords", "bad (key ID %1): %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "bad: %1"), 1},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 holds no MCU image")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 holds no flash image")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "%1 gives each board values of its own (unit_data): "
                       "write it with tessara-cli, which takes them from a ledger")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the archive holds no %1")},
    {QT_TRANSLATE_NOOP("RefusalWords", "it is product %1, and its signer, key ID %2 (%3), is "
                                       "trusted only for product %4")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the MCU image \"%1\" is %2 bytes; the manifest says %3")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the MCU image \"%1\" has CRC-32 %2; the manifest says %3")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "the MCU image \"%1\" has SHA-256 %2; the manifest says %3")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the flash image \"%1\" is %2 bytes; the manifest says %3")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "the flash image \"%1\" has CRC-32 %2; the manifest says %3")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "the flash image \"%1\" has SHA-256 %2; the manifest says %3")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "the archive holds \"%1\", which the manifest does not name")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the manifest names \"%1\", which is not in the archive")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the bundle is %1 bytes, more than any bundle can be (%2)")},
    // A bundle's archive.
    {QT_TRANSLATE_NOOP("RefusalWords", "entry %1 cannot be read: %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "entry %1 holds more than %2 bytes")},
    {QT_TRANSLATE_NOOP("RefusalWords", "entry %1 is not a plain file")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "entry %1 has an unsafe name (absolute, \"..\", or not plain ASCII)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "entry %1 is in the archive twice")},
    {QT_TRANSLATE_NOOP("RefusalWords", "entry %1 declares %2 bytes, more than the %3 it may hold")},
    {QT_TRANSLATE_NOOP("RefusalWords", "more than %1 entries in the archive")},
    {QT_TRANSLATE_NOOP("RefusalWords", "out of memory")},
    {QT_TRANSLATE_NOOP("RefusalWords", "not a zip archive (no end-of-central-directory record)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "not a whole zip archive: %1"), 1},
    {QT_TRANSLATE_NOOP("RefusalWords", "not a zip archive: %1")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 bytes before its directory that its offsets do not "
                                       "account for (data before it)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 bytes follow its end")},
    {QT_TRANSLATE_NOOP("RefusalWords", "a zip64 archive, which a bundle never needs to be")},
    {QT_TRANSLATE_NOOP("RefusalWords", "it says it spans several disks")},
    {QT_TRANSLATE_NOOP("RefusalWords", "its directory's offsets lie past its end")},
    {QT_TRANSLATE_NOOP("RefusalWords", "it does not start with an entry (data before it)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "its directory holds fewer entries than it says")},
    {QT_TRANSLATE_NOOP("RefusalWords", "a directory entry points to no entry")},
    {QT_TRANSLATE_NOOP("RefusalWords", "its directory holds more than its entries")},
    // A bundle's manifest.
    {QT_TRANSLATE_NOOP("RefusalWords", "the manifest is larger than %1 bytes")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the manifest has the key \"%1\" twice")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the manifest is not a JSON object (%1)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the manifest has no format number")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "unknown manifest format %1 (this Tessara reads format %2)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the manifest has an unknown field \"%1\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" has an unknown field \"%2\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" must be text")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" must be 1 to %2 characters")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" must be printable text on one line")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" must be a hex number such as \"0x1a\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" must be an object")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "\"%1\" needs a \"file\": a plain relative name in the archive")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" needs a \"length\" from 1 to %2 bytes")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" needs a \"sha256\" of 64 hex digits")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"models\" must list at least one chip model")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unknown chip model \"%1\" (known: %2)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"flash_ids\" must list at least one flash ID")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"boot_setting\" must be 0, 1 or 2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the manifest names no image (\"mcu\" or \"flash\")")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "unit_data goes into a flash image, and the manifest has none")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "unit_data \"%1\" lies outside the flash image of %2 bytes")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"mcu\" and \"flash\" name the same file")},
    {QT_TRANSLATE_NOOP("RefusalWords", "an image cannot be named \"%1\"")},
    // A manifest's per-board values (unit_data).
    {QT_TRANSLATE_NOOP("RefusalWords", "unit_data must be an array of fields")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unit_data holds more than %1 fields")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unit_data field %1: %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "unit_data: two fields are named \"%1\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unit_data: \"%1\" and \"%2\" overlap")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "unit_data \"%1\": \"from\" names no counter field (\"%2\")")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unit_data \"%1\": counter \"%2\" can exceed the EDID's "
                                       "serial (32 bits, 13 characters)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unit_data \"%1\" (%2 bytes at %3) lies outside the "
                                       "flash image of %4 bytes")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unit_data \"%1\": no EDID header at %2")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "unit_data \"%1\": the EDID block at %2 has a bad checksum")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" must be a whole number from 0 to %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unknown field \"%1\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"encoding\" must be u32le, u32be or ascii")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"prefix\" must be printable ASCII")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"prefix\" is over 32 characters")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"digits\" must be 1 at least")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"prefix\" and \"digits\" go with the ascii encoding")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"width\" is less than the prefix and digits")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"width\" of a 32-bit number must be 4")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"step\" must be 1 at least")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"from\" must name a counter field")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "\"pool\" must be a name of 1 to 32 letters, digits, '_', '.' or '-'")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"length\" must be 1 byte at least")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"secret\" must be true or false")},
    {QT_TRANSLATE_NOOP("RefusalWords", "each field must be an object")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "\"name\" must be 1 to 32 letters, digits, '_', '.' or '-'")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"kind\" must be counter, edid-serial or pool")},
    // A bundle's signature and the public keys it is checked with.
    {QT_TRANSLATE_NOOP("RefusalWords", "not a minisign signature file")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "the signature file's signature lines are not base64 of the right length")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unknown signature algorithm \"%1\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "signed by key ID %1, not by key ID %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the signature does not match the manifest")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the signature of the trusted comment does not match")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "not a minisign public key (a comment line and a key line)")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "not a minisign public key (its key line is not 42 bytes of base64)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "not an Ed25519 minisign public key")},
    {QT_TRANSLATE_NOOP("RefusalWords", "a \"product:\" line names no product")},
    {QT_TRANSLATE_NOOP("RefusalWords", "--trust \"%1\": no such file, nor a public key")},
    // The keys a bundle is checked with, and the files read whole.
    {QT_TRANSLATE_NOOP("RefusalWords", "trusted key \"%1\": %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "trusted key: %1"), 1},
    {QT_TRANSLATE_NOOP("RefusalWords", "cannot read the trusted keys folder \"%1\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" does not exist")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" is not a file")},
    {QT_TRANSLATE_NOOP("RefusalWords", "cannot read \"%1\": %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" is %2 bytes, more than the %3 it may be")},
    {QT_TRANSLATE_NOOP("RefusalWords", "not enough memory to read \"%1\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" could not be read whole")},
    // The ledger of the boards' own values: its opening, and a board it has no value for.
    {QT_TRANSLATE_NOOP("RefusalWords", "no ledger named")},
    {QT_TRANSLATE_NOOP("RefusalWords", "cannot open the ledger \"%1\": %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the ledger \"%1\" is not a regular file")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the ledger URL must be "
                                       "postgresql://[USER@]HOST[:PORT]/DATABASE (a socket "
                                       "folder as ?host=/PATH)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the ledger's unsettled leases: %1"), 1},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1: no %2 driver for Qt SQL")},
    {QT_TRANSLATE_NOOP("RefusalWords", "ledger %1: %2")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "board refused, nothing written: its flash could not be compared with the "
                       "values held for failed boards: %1")},
    {QT_TRANSLATE_NOOP("RefusalWords", "board refused, nothing written: %1"), 1},
    {QT_TRANSLATE_NOOP("RefusalWords", "pool empty: %1")},
    {QT_TRANSLATE_NOOP("RefusalWords", "counter %1 exhausted: it has no number left above %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the ledger could not record the board's values before "
                                       "writing them, nothing written: %1")},
    {QT_TRANSLATE_NOOP("RefusalWords", "no flash image to put the board's values into")},
    {QT_TRANSLATE_NOOP("RefusalWords", "\"%1\" lies outside the flash image")},
    {QT_TRANSLATE_NOOP("RefusalWords", "no value for \"%1\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "%1 does not fit \"%2\"")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the value for \"%1\" is %2 bytes, not %3")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the EDID block of \"%1\" cannot take serial %2")},
    // A board's run that stopped for its port, its image or the chip's flash part.
    {QT_TRANSLATE_NOOP("RefusalWords", "cannot open %1: %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "busy (in use by another program)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "no such device")},
    {QT_TRANSLATE_NOOP("RefusalWords", "permission denied (join the %1 group)")},
    {QT_TRANSLATE_NOOP("RefusalWords", "permission denied")},
    {QT_TRANSLATE_NOOP("RefusalWords", "already open")},
    {QT_TRANSLATE_NOOP("RefusalWords", "unknown error")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the port is not open")},
    {QT_TRANSLATE_NOOP("RefusalWords", "image of 0 bytes: nothing to write")},
    {QT_TRANSLATE_NOOP("RefusalWords", "image of %1 bytes: too short, %2 bytes at least")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "image of %1 bytes: no chip model identified, no MCU flash to hold it")},
    {QT_TRANSLATE_NOOP("RefusalWords", "image of %1 bytes from offset %2 overruns the %3's MCU "
                                       "flash of %4 bytes")},
    {QT_TRANSLATE_NOOP("RefusalWords", "image of %1 bytes exceeds the %2's MCU flash of %3 bytes")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "image of %1 bytes exceeds the %2's update limit of %3 bytes")},
    {QT_TRANSLATE_NOOP("RefusalWords", "image of %1 bytes exceeds the flash part %2 of %3 bytes")},
    {QT_TRANSLATE_NOOP("RefusalWords", "run address %1 is below %2")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "\"%1\" is no packaged image: its CRC trailer does not match")},
    {QT_TRANSLATE_NOOP("RefusalWords", "no MCU image to compare with")},
    {QT_TRANSLATE_NOOP("RefusalWords", "no flash image to compare with")},
    {QT_TRANSLATE_NOOP("RefusalWords", "no MCU block size")},
    {QT_TRANSLATE_NOOP("RefusalWords", "no range to compare")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the flash image is not in memory")},
    {QT_TRANSLATE_NOOP("RefusalWords", "the chip takes no flash-mode loader")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "The KQ580 %1 loader is not built into this program; nothing was sent")},
    {QT_TRANSLATE_NOOP("RefusalWords", "flash ID %1 is not known: no Flash.ini was found")},
    {QT_TRANSLATE_NOOP("RefusalWords", "flash IDs %1 are not known: no Flash.ini was found")},
    {QT_TRANSLATE_NOOP("RefusalWords", "flash ID %1 is not known: %2 cannot be read")},
    {QT_TRANSLATE_NOOP("RefusalWords", "flash IDs %1 are not known: %2 cannot be read")},
    {QT_TRANSLATE_NOOP("RefusalWords", "flash ID %1 is not in %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "flash IDs %1 are not in %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "bundle for %1; this chip is %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "images for %1; this chip is %2")},
    // An image file, in the words the operator knows from the desktop tool.
    {QT_TRANSLATE_NOOP("RefusalWords", "Read fail,please check the path!")},
    {QT_TRANSLATE_NOOP("RefusalWords", "This isn't a KQ31A/B's file")},
    {QT_TRANSLATE_NOOP("RefusalWords", "Over Mcu flash size:%1")},
    {QT_TRANSLATE_NOOP("RefusalWords", "There aren't any datas to update!")},
    {QT_TRANSLATE_NOOP("RefusalWords", "The file is over than the flash ic's size")},
    {QT_TRANSLATE_NOOP("RefusalWords", "Not enough memory for the flash code file")},
    {QT_TRANSLATE_NOOP("RefusalWords", "The flash code file is 2 GB or larger and cannot be used")},
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "The flash code file could not be read whole, please check the path!")},
    // Flash.ini.
    {QT_TRANSLATE_NOOP("RefusalWords", "Cannot read Flash.ini \"%1\": %2"), 2},
    {QT_TRANSLATE_NOOP("RefusalWords", "it is a directory")},
    {QT_TRANSLATE_NOOP("RefusalWords", "it is not a regular file")},
    {QT_TRANSLATE_NOOP("RefusalWords", "it is larger than %1 bytes")},
    // A release pin.
    {QT_TRANSLATE_NOOP("RefusalWords",
                       "\"%1\" is not a version of dotted numbers such as 2.4 or 2.10.1")},
    {QT_TRANSLATE_NOOP("RefusalWords", "bundle is product %1 version %2; this station takes %3"),
     3},
    {QT_TRANSLATE_NOOP("RefusalWords", "this station takes %1: only a bundle says its product "
                                       "and version, image files say neither"),
     1},
    {QT_TRANSLATE_NOOP("RefusalWords", "product %1 from version %2")},
    {QT_TRANSLATE_NOOP("RefusalWords", "product %1")},
    {QT_TRANSLATE_NOOP("RefusalWords", "from version %1")},
};

// How `words` reads with any values: each %N a value, the last one the rest of the line.
QRegularExpression englishOf(const char *words) {
    QString pattern = QRegularExpression::escape(QString::fromUtf8(words));
    pattern.replace(QRegularExpression(QStringLiteral(R"(\\%\d)")), QStringLiteral("(.*?)"));
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

// `words` with `values` in one pass, so that a value that holds "%2" stays as it is.
QString filled(const QString &words, const QStringList &values) {
    switch (values.size()) {
    case 1:
        return words.arg(values[0]);
    case 2:
        return words.arg(values[0], values[1]);
    case 3:
        return words.arg(values[0], values[1], values[2]);
    case 4:
        return words.arg(values[0], values[1], values[2], values[3]);
    }
    return words;
}

} // namespace

QString Station_RefusalWords(const QString &refusal) {
    static const std::vector<QRegularExpression> english = [] {
        std::vector<QRegularExpression> all;
        for (const Wording &w : Wordings)
            all.push_back(englishOf(w.words));
        return all;
    }();
    for (size_t i = 0; i < english.size(); ++i) {
        const QRegularExpressionMatch match = english[i].match(refusal);
        if (!match.hasMatch()) continue;
        const Wording &w = Wordings[i];
        QStringList values = match.capturedTexts().mid(1);
        if (w.nested > 0) values[w.nested - 1] = Station_RefusalWords(values[w.nested - 1]);
        return filled(QCoreApplication::translate("RefusalWords", w.words), values);
    }
    // Of an option or of a file's line ("--mqtt: ...", "station.conf:6: ..."): the rest said.
    const int colon = refusal.indexOf(QLatin1String(": "));
    if (colon > 0) return refusal.left(colon + 2) + Station_RefusalWords(refusal.mid(colon + 2));
    return refusal;
}

QStringList Station_RefusalWordings() {
    QStringList all;
    for (const Wording &w : Wordings)
        all.append(QString::fromUtf8(w.words));
    return all;
}
