#include "bundle/zip_archive.h"

#include "bundle/zip_layout.h"

#include <QDateTime>
#include <QSet>
#include <archive.h>
#include <archive_entry.h>
#include <memory>

namespace {

using ArchivePtr = std::unique_ptr<archive, int (*)(archive *)>;

QString errorOf(archive *a) {
    const char *text = archive_error_string(a);
    return text ? QString::fromUtf8(text) : QStringLiteral("unknown error");
}

// A name for messages: printable, and short enough for one line.
QString shown(const QString &name) {
    QString text;
    for (const QChar c : name.left(80))
        text += c.isPrint() ? c : QChar(u'?');
    return QLatin1Char('"') + text + (name.size() > 80 ? QStringLiteral("...\"") : "\"");
}

// Reads the current entry's data, refusing more than `limit` bytes.
bool readData(archive *a, const QString &name, qint64 limit, QByteArray &data, QString &reason) {
    char buffer[64 * 1024];
    for (;;) {
        const la_ssize_t got = archive_read_data(a, buffer, sizeof buffer);
        if (got < 0) {
            reason = QStringLiteral("entry %1 cannot be read: %2").arg(shown(name), errorOf(a));
            return false;
        }
        if (got == 0) return true;
        if (qint64(data.size()) + got > limit) {
            reason =
                QStringLiteral("entry %1 holds more than %2 bytes").arg(shown(name)).arg(limit);
            return false;
        }
        data.append(buffer, int(got));
    }
}

la_ssize_t appendTo(archive *, void *target, const void *bytes, size_t length) {
    static_cast<QByteArray *>(target)->append(static_cast<const char *>(bytes), int(length));
    return la_ssize_t(length);
}

} // namespace

bool Zip_SafeName(const QString &name) {
    if (name.isEmpty() || name.size() > 255) return false;
    for (const QChar c : name)
        if (c.unicode() < 0x21 || c.unicode() > 0x7E || c == u'\\' || c == u':') return false;
    for (const QString &part : name.split(QLatin1Char('/')))
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    return true;
}

bool Read_Zip(const QByteArray &bytes, int maxEntries, const ZipLimit &limit,
              QList<ZipEntry> &entries, QString &reason) {
    entries.clear();
    reason = Zip_LayoutRefusal(bytes);
    if (!reason.isEmpty()) return false;
    ArchivePtr a(archive_read_new(), archive_read_free);
    if (!a) {
        reason = QStringLiteral("out of memory");
        return false;
    }
    // The central directory is the archive's table of contents, as unzip lists it: a reader that
    // walked the local records instead could see other entries, or take a cut archive.
    archive_read_support_format_zip_seekable(a.get());
    if (archive_read_open_memory(a.get(), bytes.constData(), size_t(bytes.size())) != ARCHIVE_OK) {
        reason = QStringLiteral("not a zip archive: %1").arg(errorOf(a.get()));
        return false;
    }
    QSet<QString> names;
    for (;;) {
        archive_entry *e = nullptr;
        const int r = archive_read_next_header(a.get(), &e);
        if (r == ARCHIVE_EOF) return true;
        if (r != ARCHIVE_OK) {
            reason = QStringLiteral("not a whole zip archive: %1").arg(errorOf(a.get()));
            return false;
        }
        if (entries.size() == maxEntries) {
            reason = QStringLiteral("more than %1 entries in the archive").arg(maxEntries);
            return false;
        }
        const char *raw = archive_entry_pathname_utf8(e);
        if (!raw) raw = archive_entry_pathname(e);
        ZipEntry entry;
        entry.name = raw ? QString::fromUtf8(raw) : QString();
        if (archive_entry_filetype(e) != AE_IFREG) {
            reason = QStringLiteral("entry %1 is not a plain file").arg(shown(entry.name));
            return false;
        }
        if (!Zip_SafeName(entry.name)) {
            reason = QStringLiteral("entry %1 has an unsafe name (absolute, \"..\", or not plain "
                                    "ASCII)")
                         .arg(shown(entry.name));
            return false;
        }
        if (names.contains(entry.name)) {
            reason = QStringLiteral("entry %1 is in the archive twice").arg(shown(entry.name));
            return false;
        }
        names.insert(entry.name);
        if (archive_entry_size_is_set(e)) entry.headerSize = archive_entry_size(e);
        const qint64 most = limit(entry.name);
        if (most >= 0) {
            if (entry.headerSize > most) {
                reason = QStringLiteral("entry %1 declares %2 bytes, more than the %3 it may hold")
                             .arg(shown(entry.name))
                             .arg(entry.headerSize)
                             .arg(most);
                return false;
            }
            if (entry.headerSize > 0) entry.data.reserve(int(entry.headerSize));
            if (!readData(a.get(), entry.name, most, entry.data, reason)) return false;
            entry.read = true;
        }
        entries.append(entry);
    }
}

bool Write_Zip(const QList<ZipEntry> &entries, QByteArray &bytes, QString &reason) {
    bytes.clear();
    ArchivePtr a(archive_write_new(), archive_write_free);
    if (!a) {
        reason = QStringLiteral("out of memory");
        return false;
    }
    auto failed = [&](const QString &what) {
        reason = QStringLiteral("cannot write the archive (%1): %2").arg(what, errorOf(a.get()));
        return false;
    };
    if (archive_write_set_format_zip(a.get()) != ARCHIVE_OK ||
        archive_write_zip_set_compression_deflate(a.get()) != ARCHIVE_OK ||
        archive_write_set_bytes_in_last_block(a.get(), 1) != ARCHIVE_OK ||
        archive_write_open(a.get(), &bytes, nullptr, appendTo, nullptr) != ARCHIVE_OK)
        return failed(QStringLiteral("start"));
    const time_t now = time_t(QDateTime::currentSecsSinceEpoch());
    for (const ZipEntry &entry : entries) {
        std::unique_ptr<archive_entry, void (*)(archive_entry *)> e(archive_entry_new(),
                                                                    archive_entry_free);
        const QByteArray name = entry.name.toUtf8();
        archive_entry_set_pathname_utf8(e.get(), name.constData());
        archive_entry_set_filetype(e.get(), AE_IFREG);
        archive_entry_set_perm(e.get(), 0644);
        archive_entry_set_size(e.get(), entry.data.size());
        archive_entry_set_mtime(e.get(), now, 0);
        if (archive_write_header(a.get(), e.get()) != ARCHIVE_OK ||
            archive_write_data(a.get(), entry.data.constData(), size_t(entry.data.size())) !=
                la_ssize_t(entry.data.size()) ||
            archive_write_finish_entry(a.get()) != ARCHIVE_OK)
            return failed(entry.name);
    }
    if (archive_write_close(a.get()) != ARCHIVE_OK) return failed(QStringLiteral("end"));
    return true;
}
