#include "cli/cli_version.h"

#include "flash/loader_images.h"
#include "protocol/handshake.h"
#include "tessara_version.h"

QString Cli_VersionText() {
    const auto row = [](const char *setting, bool yes, const char *yesText, const char *noText) {
        return QStringLiteral("  %1 %2\n")
            .arg(QLatin1String(setting), -24)
            .arg(QLatin1String(yes ? yesText : noText));
    };
    const FlashModeLoaders loaders = BuiltIn_Loaders();
    return QStringLiteral("tessara-cli " TESSARA_VERSION "\n"
                          "Handshake proof tags (shared with the boot loader, never shown):\n") +
           row("TESSARA_PROOF_TAG", ProofTag_IsDefault(false), "the default",
               "set for this build") +
           row("TESSARA_PROOF_TAG_KQ580", ProofTag_IsDefault(true), "the default",
               "set for this build") +
           QStringLiteral("KQ580 flash-mode loaders:\n") +
           row("TESSARA_NOR_LOADER", loaders.nor.builtIn(), "built in", "not built in") +
           row("TESSARA_NAND_LOADER", loaders.nand.builtIn(), "built in", "not built in");
}
