// Release bundles: any bytes as the archive, as the manifest or signature inside a well-formed
// archive, and as key files. Whatever is accepted must hold exactly what its manifest says.
#include "bundle/bundle_limits.h"
#include "bundle/bundle_reader.h"
#include "bundle/minisign.h"
#include "bundle/zip_archive.h"
#include "protocol/crc32.h"

#include <cstddef>
#include <cstdint>

namespace {

const MinisignSecretKey &signer() {
    static const MinisignSecretKey key = Minisign_NewKey();
    return key;
}

// Each image an accepted bundle hands out is what its manifest declares.
void checkAccepted(const BundleCheck &check) {
    if (!check.accepted()) {
        if (check.bundle.mcu || check.bundle.flash) __builtin_trap();
        return;
    }
    const BundleManifest &m = check.bundle.manifest;
    for (const auto &[image, declared] :
         {std::pair{check.bundle.mcu, m.mcu}, std::pair{check.bundle.flash, m.flash}}) {
        if (bool(image) != bool(declared)) __builtin_trap();
        if (!image) continue;
        const auto *bytes = reinterpret_cast<const uint8_t *>(image->bytes.constData());
        if (image->bytes.size() != declared->length ||
            crc32_calc(bytes, size_t(image->bytes.size())) != declared->crc)
            __builtin_trap();
    }
}

QByteArray zipOf(const QList<ZipEntry> &entries) {
    QByteArray archive;
    QString reason;
    Write_Zip(entries, archive, reason);
    return archive;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const QByteArray input(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const QList<TrustedKey> trusted{{Minisign_PublicOf(signer()), QStringLiteral("fuzz")}};
    const QByteArray image("0123456789abcdef");
    switch (data[0] % 4) {
    case 0: // the archive itself
        checkAccepted(Check_Bundle(input, trusted));
        checkAccepted(Check_Bundle(input, {}));
        break;
    case 1: // the manifest, in an archive with two images
        checkAccepted(Check_Bundle(zipOf({{ManifestName, input, true, -1},
                                          {"mcu.bin", image, true, -1},
                                          {"flash.bin", image, true, -1}}),
                                   {}));
        break;
    case 2: { // the signature of a valid manifest
        const QByteArray manifest =
            R"({"format":1,"product":"p","version":"1","models":["KQ47"],"flash":{"file":"f",)"
            R"("length":16,"crc32":"0x0","sha256":"00"}})";
        checkAccepted(Check_Bundle(zipOf({{ManifestName, manifest, true, -1},
                                          {SignatureName, input, true, -1},
                                          {"f", image, true, -1}}),
                                   trusted));
        break;
    }
    default: { // key files
        MinisignPublicKey pk;
        MinisignSecretKey sk;
        MinisignSignature signature;
        QString reason;
        Minisign_ReadPublicKey(input, pk, reason);
        if (Minisign_ReadSecretKey(input, sk, reason) && sk.secret.size() != 64) __builtin_trap();
        if (Minisign_ReadSignature(input, signature, reason) && signature.signature.size() != 64)
            __builtin_trap();
        break;
    }
    }
    return 0;
}
