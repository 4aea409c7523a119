#include "cli/cli_bundle.h"

#include "bundle/bounded_file.h"
#include "bundle/bundle_limits.h"
#include "bundle/bundle_maker.h"
#include "bundle/bundle_reader.h"
#include "bundle/image_rules.h"
#include "bundle/json_duplicates.h"
#include "bundle/key_files.h"
#include "bundle/model_names.h"
#include "bundle/new_file.h"
#include "cli/cli_status.h"
#include "cli/terminal_lines.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// The options that only some subcommands take.
enum BundleOption { Create = 1, Trust = 2 };

struct Subcommand {
    const char *name;
    const char *argument;
    int options;
    const char *what;
};

const Subcommand subcommands[] = {
    {"create", "OUT.kqb", Create,
     "make a bundle of the images for the --model chips (checked as an update checks them)"},
    {"keygen", "NAME", 0, "make a key pair: NAME.key (secret, owner only) and NAME.pub"},
    {"show", "FILE", Trust, "the manifest, each image's length, CRC-32 and SHA-256, the signature"},
    {"verify", "FILE", Trust,
     "status 0 when the bundle is whole and its signature acceptable, else 2"},
};

const Subcommand *findSubcommand(const QString &name) {
    for (const Subcommand &s : subcommands)
        if (name == QLatin1String(s.name)) return &s;
    return nullptr;
}

// A refusal: the reason on `err`, status 2.
int refuse(FILE *err, const QString &reason) {
    Cli_Complain(err, reason);
    return CliUsage;
}

QString imageLine(const char *kind, const ManifestImage &image) {
    return QStringLiteral("%1 image: %2, %3 bytes, CRC-32 %4, SHA-256 %5")
        .arg(QLatin1String(kind), image.file)
        .arg(image.length)
        .arg(Hex_Text(image.crc), QString::fromLatin1(image.sha256.toHex()));
}

QString hexList(const QList<uint32_t> &values) {
    QStringList texts;
    for (const uint32_t v : values)
        texts.append(Hex_Text(v));
    return texts.join(QLatin1String(", "));
}

// What a bundle is, line by line, as far as it could be read.
void printBundle(FILE *out, const Bundle &b) {
    if (!b.path.isEmpty()) Print_Line(out, QStringLiteral("Bundle: ") + b.path);
    if (!b.fileSha256.isEmpty())
        Print_Line(out,
                   QStringLiteral("Bundle SHA-256: ") + QString::fromLatin1(b.fileSha256.toHex()));
    if (b.manifestRead) {
        const BundleManifest &m = b.manifest;
        const BundleConstraints &c = m.constraints;
        Print_Line(out, QStringLiteral("Product: ") + m.product);
        Print_Line(out, QStringLiteral("Version: ") + m.version);
        Print_Line(out, QStringLiteral("Models: ") + c.models.join(QLatin1String(", ")));
        Print_Line(out,
                   QStringLiteral("Min boot version: ") +
                       (c.minBootVersion ? Hex_Text(*c.minBootVersion) : QStringLiteral("any")));
        if (m.flash)
            Print_Line(out,
                       QStringLiteral("Flash IDs: ") +
                           (c.flashIds.isEmpty() ? QStringLiteral("any") : hexList(c.flashIds)));
        if (m.mcu)
            Print_Line(out, QStringLiteral("Boot setting: ") +
                                (c.bootSetting ? QString::number(*c.bootSetting)
                                               : QStringLiteral("the operator's")));
        if (m.mcu) Print_Line(out, imageLine("MCU", *m.mcu));
        if (m.flash) Print_Line(out, imageLine("Flash", *m.flash));
        for (const UnitField &f : m.unitData)
            Print_Line(out, QStringLiteral("Unit data: ") + UnitField_Text(f));
    }
    if (!b.archiveRead) return;
    Print_Line(out, QStringLiteral("Signature: ") + Signature_Text(b.signature));
    if (!b.signature.trustedComment.isEmpty())
        Print_Line(out, QStringLiteral("Trusted comment: ") + b.signature.trustedComment +
                            (b.signature.state == SignatureState::Trusted
                                 ? QString()
                                 : QStringLiteral(" (not verified)")));
}

bool loadTrust(const QStringList &trust, QList<TrustedKey> &keys, FILE *err) {
    QString reason;
    if (Load_TrustedKeys(Bundle_TrustedKeysDir(), trust, keys, reason)) return true;
    Cli_Complain(err, reason);
    return false;
}

int showOrVerify(const QString &path, const QStringList &trust, bool show, FILE *out, FILE *err) {
    QList<TrustedKey> keys;
    if (!loadTrust(trust, keys, err)) return CliUsage;
    const BundleCheck check = Check_BundleFile(path, keys);
    if (show) printBundle(out, check.bundle);
    // show tells what a whole bundle is, trusted here or not; verify judges it.
    if (show && check.whole && !check.accepted()) {
        Print_Line(out, QStringLiteral("%1: whole, every image as its manifest says; not accepted "
                                       "here: %2")
                            .arg(path, check.refusal));
        return CliOk;
    }
    if (!check.accepted())
        return refuse(err, QStringLiteral("%1: refused: %2").arg(path, check.refusal));
    if (!check.warning.isEmpty())
        Cli_Complain(err, QStringLiteral("warning: %1: %2").arg(path, check.warning));
    const Bundle &b = check.bundle;
    Print_Line(out,
               QStringLiteral("%1: whole, every image as its manifest says; %2 %3; %4")
                   .arg(path, b.manifest.product, b.manifest.version, Signature_Text(b.signature)));
    return CliOk;
}

int keygen(const QString &name, FILE *out, FILE *err) {
    const MinisignSecretKey key = Minisign_NewKey();
    QString reason;
    if (!Write_KeyPair(name, key, reason)) {
        Cli_Complain(err, reason);
        return reason.contains(QLatin1String("exists already")) ? CliUsage : CliFailed;
    }
    const QString id = Minisign_KeyIdText(key.keyId);
    Print_Line(out, QStringLiteral("Secret key: %1.key (keep it secret: whoever holds it signs "
                                   "bundles that are trusted)")
                        .arg(name));
    Print_Line(out, QStringLiteral("Public key: %1.pub, key ID %2 (put it in %3 on the machines "
                                   "that are to trust it)")
                        .arg(name, id, Bundle_TrustedKeysDir()));
    return CliOk;
}

// The create options, read into a recipe; false after saying why.
struct CreateOptions {
    QCommandLineOption model{
        QStringLiteral("model"),
        QStringLiteral("create: a chip model the bundle is for (repeat it): ") +
            Model_Names().join(QLatin1String(", ")) + QLatin1Char('.'),
        QStringLiteral("MODEL")};
    QCommandLineOption mcu{QStringLiteral("mcu"),
                           QStringLiteral("create: the MCU image (*.bin plain, else packaged)."),
                           QStringLiteral("IMAGE")};
    QCommandLineOption flash{QStringLiteral("flash"), QStringLiteral("create: the flash image."),
                             QStringLiteral("IMAGE")};
    QCommandLineOption minBoot{
        QStringLiteral("min-boot-version"),
        QStringLiteral("create: the oldest boot loader the bundle may be written with."),
        QStringLiteral("0xNN")};
    QCommandLineOption flashId{
        QStringLiteral("flash-id"),
        QStringLiteral("create: an external flash part the flash image may go to (repeat it)."),
        QStringLiteral("0xNNNNNN")};
    QCommandLineOption product{QStringLiteral("product"),
                               QStringLiteral("create: the product (default: OUT's name)."),
                               QStringLiteral("TEXT")};
    QCommandLineOption version{QStringLiteral("version"),
                               QStringLiteral("create: the release (default: unversioned)."),
                               QStringLiteral("TEXT")};
    QCommandLineOption bootSetting{
        QStringLiteral("boot-setting"),
        QStringLiteral("create: the boot-loader setting sent after the MCU update, 0-2."),
        QStringLiteral("N")};
    QCommandLineOption fields{
        QStringLiteral("fields"),
        QStringLiteral("create: each board's own values in the flash image (the unit_data JSON "
                       "array: counter, edid-serial and pool fields)."),
        QStringLiteral("FILE")};
    QCommandLineOption sign{QStringLiteral("sign"),
                            QStringLiteral("create: sign the manifest with this secret key."),
                            QStringLiteral("SECKEY")};
    QCommandLineOption force{QStringLiteral("force"),
                             QStringLiteral("create: replace OUT.kqb when it exists.")};
    QList<QCommandLineOption> all() const {
        return {model,   mcu,         flash,  minBoot, flashId, product,
                version, bootSetting, fields, sign,    force};
    }
};

// The --fields file: a JSON array of fields, at most as large as a manifest.
bool readFields(const QString &path, UnitFields &fields, QString &reason) {
    QByteArray text;
    if (!Read_BoundedFile(path, ManifestMax, text, reason)) return false;
    if (const QString twice = Json_DuplicateKey(text); !twice.isEmpty()) {
        reason = QStringLiteral("%1: a field has the key \"%2\" twice").arg(path, twice.left(80));
        return false;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) {
        reason = QStringLiteral("%1: not a JSON array of fields").arg(path);
        return false;
    }
    if (Parse_UnitFields(doc.array(), fields, reason)) return true;
    reason = QStringLiteral("%1: %2").arg(path, reason);
    return false;
}

bool readRecipe(const QCommandLineParser &p, const CreateOptions &o, const QString &outPath,
                BundleRecipe &r, QString &reason) {
    BundleConstraints &c = r.constraints;
    c.models = p.values(o.model);
    r.product = p.isSet(o.product) ? p.value(o.product) : QFileInfo(outPath).completeBaseName();
    r.version = p.isSet(o.version) ? p.value(o.version) : QStringLiteral("unversioned");
    uint32_t number = 0;
    if (p.isSet(o.minBoot)) {
        if (!Read_Number32(p.value(o.minBoot), number)) {
            reason = QStringLiteral("--min-boot-version takes a number such as 0x1a, not \"%1\"")
                         .arg(p.value(o.minBoot));
            return false;
        }
        c.minBootVersion = number;
    }
    for (const QString &id : p.values(o.flashId)) {
        if (!Read_Number32(id, number)) {
            reason =
                QStringLiteral("--flash-id takes a number such as 0xef4018, not \"%1\"").arg(id);
            return false;
        }
        if (!c.flashIds.contains(number)) c.flashIds.append(number);
    }
    if (p.isSet(o.bootSetting)) {
        const QString text = p.value(o.bootSetting);
        if (text != QLatin1String("0") && text != QLatin1String("1") &&
            text != QLatin1String("2")) {
            reason = QStringLiteral("--boot-setting takes 0, 1 or 2, not \"%1\"").arg(text);
            return false;
        }
        c.bootSetting = text.toInt();
    }
    if (p.isSet(o.fields) && !readFields(p.value(o.fields), r.unitData, reason)) return false;
    QByteArray image;
    if (p.isSet(o.mcu)) {
        if (!Read_BundleMcuImage(p.value(o.mcu), image, reason)) return false;
        r.mcu = image;
    }
    if (p.isSet(o.flash)) {
        if (!Read_BundleFlashImage(p.value(o.flash), image, reason)) return false;
        r.flash = image;
    }
    return true;
}

int create(const QCommandLineParser &p, const CreateOptions &o, const QString &outPath, FILE *out,
           FILE *err) {
    BundleRecipe recipe;
    QString reason;
    // A signed release is not replaced by a slip of the keyboard.
    const bool replace = p.isSet(o.force);
    const QString exists =
        QStringLiteral("\"%1\" exists already; it is left as it is (--force replaces it)")
            .arg(outPath);
    if (!replace && (QFileInfo::exists(outPath) || QFileInfo(outPath).isSymLink()))
        return refuse(err, exists);
    if (!readRecipe(p, o, outPath, recipe, reason)) return refuse(err, reason);
    MinisignSecretKey key;
    const bool signing = p.isSet(o.sign);
    if (signing && !Read_SecretKeyFile(p.value(o.sign), key, reason)) return refuse(err, reason);
    QByteArray archive;
    if (!Make_Bundle(recipe, signing ? &key : nullptr, archive, reason)) return refuse(err, reason);
    // Read back as a run reads it, the signer's own key trusted, before it is written.
    QList<TrustedKey> own;
    if (signing)
        own.append(
            {Minisign_PublicOf(key), QStringLiteral("the public half of %1").arg(p.value(o.sign))});
    const BundleCheck check = Check_Bundle(archive, own);
    if (!check.accepted()) {
        Cli_Complain(err, QStringLiteral("the bundle made does not read back: ") + check.refusal);
        return CliFailed;
    }
    // Without --force the file is created, never opened over one that appeared meanwhile.
    if (!(replace ? Write_BundleFile(outPath, archive, reason)
                  : Write_NewFile(outPath, archive, false, reason))) {
        if (!replace && QFileInfo::exists(outPath)) return refuse(err, exists);
        Cli_Complain(err, reason);
        return CliFailed;
    }
    Bundle written = check.bundle;
    written.path = QFileInfo(outPath).absoluteFilePath();
    printBundle(out, written);
    return CliOk;
}

QString usageLines() {
    return QStringLiteral(
        "Usage: tessara-cli bundle create OUT.kqb --model MODEL... [--mcu IMAGE] [--flash IMAGE] "
        "[OPTIONS]\n"
        "  or:  tessara-cli bundle keygen NAME\n"
        "  or:  tessara-cli bundle show FILE [--trust PUBKEY]...\n"
        "  or:  tessara-cli bundle verify FILE [--trust PUBKEY]...\n");
}

QString helpTail() {
    QString text = QStringLiteral("\nCommands:\n");
    for (const Subcommand &s : subcommands)
        text += QStringLiteral("  %1 %2\n")
                    .arg(QLatin1String(s.name) + QLatin1Char(' ') + QLatin1String(s.argument), -18)
                    .arg(QLatin1String(s.what));
    return text +
           QStringLiteral(
               "\nTrusted keys: the public key files in %1 and each --trust (a file, or\n"
               "the key line itself). With any key trusted, only bundles signed by one of\n"
               "them are accepted; with none, an unsigned bundle is accepted with a warning\n"
               "and a signed one is refused, as its signature cannot be checked. A signature\n"
               "that does not verify is always refused. A key file may limit its key to\n"
               "products, with a line \"product: NAME\" for each after the key: a bundle of\n"
               "another product signed by it is refused.\n"
               "\nKeys and signatures are minisign's: minisign -V -p NAME.pub -m manifest.json\n"
               "checks a manifest that tessara-cli signed, and a manifest.json.minisig made\n"
               "by minisign -S (with a key made by minisign -G -W) is accepted in a bundle.\n"
               "\nExit status:\n"
               "  0  done; verify: the bundle is whole and accepted here; show: the bundle is\n"
               "     whole (its signature state, \"not trusted\" included, is in the text)\n"
               "  1  a file could not be written\n"
               "  2  refused: bad usage, a file that exists already (create: unless --force),\n"
               "     a bundle that is not whole or whose signature is bad; verify: also one\n"
               "     not accepted here (the reason is the last line on stderr)\n"
               "\nExamples:\n"
               "  tessara-cli bundle keygen release\n"
               "  tessara-cli bundle create panel-2.4.kqb --model KQ31B --mcu app.bin --flash "
               "flash.bin --version 2.4 --sign release.key\n"
               "  tessara-cli bundle verify panel-2.4.kqb --trust release.pub\n")
               .arg(Bundle_TrustedKeysDir());
}

} // namespace

bool Is_BundleCommand(const QStringList &arguments) {
    return arguments.size() > 1 && arguments.at(1) == QLatin1String("bundle");
}

QString Bundle_HelpSummary() {
    return QStringLiteral("  %1 make, sign, show and verify release bundles (bundle --help)\n")
        .arg(QStringLiteral("bundle SUBCOMMAND ..."), -36);
}

int Run_BundleCommand(const QStringList &arguments, FILE *out, FILE *err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Release bundles (.kqb): one file holding a product's images, the chips they are for and "
        "a signature, checked whole before anything is written."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption trust(
        QStringLiteral("trust"),
        QStringLiteral("show, verify: trust this public key too (a file or the key line; repeat "
                       "it)."),
        QStringLiteral("PUBKEY"));
    const CreateOptions createOptions;
    parser.addOption(help);
    parser.addOptions(createOptions.all());
    parser.addOption(trust);
    parser.addPositionalArgument(QStringLiteral("subcommand"), QStringLiteral("See below."),
                                 QStringLiteral("SUBCOMMAND FILE"));
    QStringList args = arguments.mid(2);
    args.prepend(arguments.value(0) + QStringLiteral(" bundle"));
    if (!parser.parse(args)) return refuse(err, parser.errorText());
    if (parser.isSet(help)) {
        // Qt's usage line knows nothing of the subcommands: each gets its own.
        const QString options = parser.helpText();
        std::fputs((usageLines() + options.mid(options.indexOf(QLatin1Char('\n')) + 1) + helpTail())
                       .toLocal8Bit()
                       .constData(),
                   out);
        return CliOk;
    }
    const QStringList positional = parser.positionalArguments();
    const Subcommand *sub = positional.isEmpty() ? nullptr : findSubcommand(positional.first());
    if (!sub)
        return refuse(err, positional.isEmpty()
                               ? QStringLiteral("bundle needs a subcommand: create, keygen, show "
                                                "or verify (try bundle --help)")
                               : QStringLiteral("unknown bundle subcommand \"%1\" (try bundle "
                                                "--help)")
                                     .arg(positional.first()));
    if (positional.size() != 2 || positional.at(1).isEmpty())
        return refuse(err, QStringLiteral("usage: bundle %1 %2")
                               .arg(QLatin1String(sub->name), QLatin1String(sub->argument)));
    QList<QCommandLineOption> given;
    if (!(sub->options & Create)) given += createOptions.all();
    if (!(sub->options & Trust)) given.append(trust);
    for (const QCommandLineOption &o : given)
        if (parser.isSet(o))
            return refuse(err, QStringLiteral("--%1 does not apply to bundle %2")
                                   .arg(o.names().constFirst(), QLatin1String(sub->name)));

    const QString file = positional.at(1);
    const QString name = QLatin1String(sub->name);
    if (name == QLatin1String("create")) return create(parser, createOptions, file, out, err);
    if (name == QLatin1String("keygen")) return keygen(file, out, err);
    return showOrVerify(file, parser.values(trust), name == QLatin1String("show"), out, err);
}
