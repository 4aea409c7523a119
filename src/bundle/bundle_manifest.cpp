#include "bundle/bundle_manifest.h"

#include "bundle/bundle_limits.h"
#include "bundle/json_duplicates.h"
#include "bundle/model_names.h"
#include "bundle/zip_archive.h"
#include "protocol/crc32.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

// Text fields go into logs and records: one line of printable text.
constexpr int TextMax = 128;

const QStringList knownKeys = {"format",    "product",      "version", "models", "min_boot_version",
                               "flash_ids", "boot_setting", "mcu",     "flash",  "unit_data"};
const QStringList imageKeys = {"file", "length", "crc32", "sha256"};

// Each reader returns false after setting the reason.
struct Reader {
    QString &reason;

    bool fail(const QString &why) {
        reason = why;
        return false;
    }

    bool onlyKeys(const QJsonObject &object, const QStringList &allowed, const QString &where) {
        for (const QString &key : object.keys())
            if (!allowed.contains(key))
                return fail(
                    QStringLiteral("%1 has an unknown field \"%2\"").arg(where, key.left(40)));
        return true;
    }

    bool text(const QJsonObject &object, const QString &key, QString &value) {
        const QJsonValue v = object.value(key);
        if (!v.isString()) return fail(QStringLiteral("\"%1\" must be text").arg(key));
        value = v.toString();
        if (value.trimmed().isEmpty() || value.size() > TextMax)
            return fail(QStringLiteral("\"%1\" must be 1 to %2 characters").arg(key).arg(TextMax));
        for (const QChar c : value)
            if (!c.isPrint())
                return fail(QStringLiteral("\"%1\" must be printable text on one line").arg(key));
        return true;
    }

    bool number32(const QJsonValue &v, const QString &key, uint32_t &value) {
        if (!v.isString() || !v.toString().startsWith(QLatin1String("0x")) ||
            !Read_Number32(v.toString(), value))
            return fail(QStringLiteral("\"%1\" must be a hex number such as \"0x1a\"").arg(key));
        return true;
    }

    bool image(const QJsonObject &top, const QString &key, qint64 most,
               std::optional<ManifestImage> &result) {
        if (!top.contains(key)) return true;
        const QJsonValue v = top.value(key);
        if (!v.isObject()) return fail(QStringLiteral("\"%1\" must be an object").arg(key));
        const QJsonObject o = v.toObject();
        if (!onlyKeys(o, imageKeys, QStringLiteral("\"%1\"").arg(key))) return false;
        ManifestImage image;
        const QJsonValue file = o.value(QLatin1String("file"));
        if (!file.isString() || !Zip_SafeName(file.toString()))
            return fail(QStringLiteral("\"%1\" needs a \"file\": a plain relative name in the "
                                       "archive")
                            .arg(key));
        image.file = file.toString();
        const double length = o.value(QLatin1String("length")).toDouble(-1);
        if (length < 1 || length > double(most) || length != double(qint64(length)))
            return fail(
                QStringLiteral("\"%1\" needs a \"length\" from 1 to %2 bytes").arg(key).arg(most));
        image.length = qint64(length);
        if (!number32(o.value(QLatin1String("crc32")), key + QStringLiteral(".crc32"), image.crc))
            return false;
        const QString sha = o.value(QLatin1String("sha256")).toString();
        image.sha256 = QByteArray::fromHex(sha.toLatin1());
        if (sha.size() != 64 || image.sha256.size() != 32 ||
            image.sha256.toHex() != sha.toLower().toLatin1())
            return fail(QStringLiteral("\"%1\" needs a \"sha256\" of 64 hex digits").arg(key));
        result = image;
        return true;
    }

    bool constraints(const QJsonObject &top, BundleConstraints &c) {
        const QJsonValue models = top.value(QLatin1String("models"));
        if (!models.isArray() || models.toArray().isEmpty())
            return fail(QStringLiteral("\"models\" must list at least one chip model"));
        for (const QJsonValue m : models.toArray()) {
            if (!m.isString() || !Model_CodeOf(m.toString()))
                return fail(
                    QStringLiteral("unknown chip model \"%1\" (known: %2)")
                        .arg(m.toString().left(40), Model_Names().join(QLatin1String(", "))));
            c.models.append(m.toString());
        }
        if (top.contains(QLatin1String("min_boot_version"))) {
            uint32_t version = 0;
            if (!number32(top.value(QLatin1String("min_boot_version")),
                          QStringLiteral("min_boot_version"), version))
                return false;
            c.minBootVersion = version;
        }
        if (top.contains(QLatin1String("flash_ids"))) {
            const QJsonValue ids = top.value(QLatin1String("flash_ids"));
            if (!ids.isArray() || ids.toArray().isEmpty())
                return fail(QStringLiteral("\"flash_ids\" must list at least one flash ID"));
            for (const QJsonValue id : ids.toArray()) {
                uint32_t value = 0;
                if (!number32(id, QStringLiteral("flash_ids"), value)) return false;
                c.flashIds.append(value);
            }
        }
        if (top.contains(QLatin1String("boot_setting"))) {
            const QJsonValue v = top.value(QLatin1String("boot_setting"));
            const double setting = v.toDouble(-1);
            if (!v.isDouble() || (setting != 0 && setting != 1 && setting != 2))
                return fail(QStringLiteral("\"boot_setting\" must be 0, 1 or 2"));
            c.bootSetting = int(setting);
        }
        return true;
    }
};

QJsonObject imageObject(const ManifestImage &image) {
    return {{"file", image.file},
            {"length", double(image.length)},
            {"crc32", Hex_Text(image.crc)},
            {"sha256", QString::fromLatin1(image.sha256.toHex())}};
}

} // namespace

QString Hex_Text(uint32_t value) {
    return QStringLiteral("0x") + QString::number(value, 16);
}

bool Read_Number32(const QString &text, uint32_t &value) {
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"));
    const QString digits = hex ? text.mid(2) : text;
    // toULongLong takes signs and spaces; only digits are numbers here.
    for (const QChar c : digits) {
        const char d = c.unicode() < 0x80 ? char(c.unicode()) : '?';
        const bool digit =
            (d >= '0' && d <= '9') || (hex && ((d >= 'a' && d <= 'f') || (d >= 'A' && d <= 'F')));
        if (!digit) return false;
    }
    const qulonglong v = digits.toULongLong(&ok, hex ? 16 : 10);
    if (!ok || digits.isEmpty() || v > 0xFFFFFFFFull) return false;
    value = uint32_t(v);
    return true;
}

ManifestImage Describe_Image(const QString &file, const QByteArray &bytes) {
    ManifestImage image;
    image.file = file;
    image.length = bytes.size();
    image.crc =
        crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    image.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return image;
}

bool Parse_BundleManifest(const QByteArray &json, BundleManifest &manifest, QString &reason) {
    manifest = BundleManifest();
    Reader read{reason};
    if (json.size() > ManifestMax)
        return read.fail(QStringLiteral("the manifest is larger than %1 bytes").arg(ManifestMax));
    // A key twice: the reader keeps one, the reviewer may have read the other. Looked for
    // before the reader reads it, which would leak what it reads of such a key.
    const QString twice = Json_DuplicateKey(json);
    if (!twice.isEmpty())
        return read.fail(
            QStringLiteral("the manifest has the key \"%1\" twice").arg(twice.left(80)));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return read.fail(QStringLiteral("the manifest is not a JSON object (%1)")
                             .arg(error.error != QJsonParseError::NoError
                                      ? error.errorString() + QStringLiteral(" at byte ") +
                                            QString::number(error.offset)
                                      : QStringLiteral("another JSON value")));
    const QJsonObject top = doc.object();
    // The format first: a later format may be laid out in any other way.
    const QJsonValue format = top.value(QLatin1String("format"));
    if (!format.isDouble()) return read.fail(QStringLiteral("the manifest has no format number"));
    if (format.toDouble() != ManifestFormat)
        return read.fail(QStringLiteral("unknown manifest format %1 (this Tessara reads format %2)")
                             .arg(format.toDouble())
                             .arg(ManifestFormat));
    // An unknown field may be a constraint misspelt: refused rather than left unchecked.
    if (!read.onlyKeys(top, knownKeys, QStringLiteral("the manifest")) ||
        !read.text(top, QStringLiteral("product"), manifest.product) ||
        !read.text(top, QStringLiteral("version"), manifest.version) ||
        !read.constraints(top, manifest.constraints) ||
        !read.image(top, QStringLiteral("mcu"), Bundle_McuMax(), manifest.mcu) ||
        !read.image(top, QStringLiteral("flash"), BundleFlashMax, manifest.flash))
        return false;
    if (!manifest.mcu && !manifest.flash)
        return read.fail(QStringLiteral("the manifest names no image (\"mcu\" or \"flash\")"));
    if (top.contains(QLatin1String("unit_data")) &&
        !Parse_UnitFields(top.value(QLatin1String("unit_data")), manifest.unitData, reason))
        return false;
    if (!manifest.unitData.isEmpty()) {
        if (!manifest.flash)
            return read.fail(QStringLiteral("unit_data goes into a flash image, and the manifest "
                                            "has none"));
        for (const UnitField &f : manifest.unitData)
            if (uint64_t(f.offset) + uint64_t(f.size()) > uint64_t(manifest.flash->length))
                return read.fail(QStringLiteral("unit_data \"%1\" lies outside the flash image "
                                                "of %2 bytes")
                                     .arg(f.name)
                                     .arg(manifest.flash->length));
    }
    if (manifest.mcu && manifest.flash && manifest.mcu->file == manifest.flash->file)
        return read.fail(QStringLiteral("\"mcu\" and \"flash\" name the same file"));
    for (const auto &image : {manifest.mcu, manifest.flash})
        if (image && (image->file == QLatin1String(ManifestName) ||
                      image->file == QLatin1String(SignatureName)))
            return read.fail(QStringLiteral("an image cannot be named \"%1\"").arg(image->file));
    return true;
}

QByteArray Write_BundleManifest(const BundleManifest &m) {
    QJsonObject top{{"format", ManifestFormat},
                    {"product", m.product},
                    {"version", m.version},
                    {"models", QJsonArray::fromStringList(m.constraints.models)}};
    if (m.constraints.minBootVersion)
        top.insert(QStringLiteral("min_boot_version"), Hex_Text(*m.constraints.minBootVersion));
    if (!m.constraints.flashIds.isEmpty()) {
        QJsonArray ids;
        for (const uint32_t id : m.constraints.flashIds)
            ids.append(Hex_Text(id));
        top.insert(QStringLiteral("flash_ids"), ids);
    }
    if (m.constraints.bootSetting)
        top.insert(QStringLiteral("boot_setting"), *m.constraints.bootSetting);
    if (m.mcu) top.insert(QStringLiteral("mcu"), imageObject(*m.mcu));
    if (m.flash) top.insert(QStringLiteral("flash"), imageObject(*m.flash));
    if (!m.unitData.isEmpty())
        top.insert(QStringLiteral("unit_data"), Write_UnitFields(m.unitData));
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}
