#include "sim/sim_boot_loader.h"

#include "sim/sim_bytes.h"

#include <cstring>

using namespace sim;

namespace {

QByteArray fourBytes(const QByteArray &tag) {
    return tag.left(4).leftJustified(4, '\0');
}

// The chip the configuration makes: a model of the table, or one made up for a test.
SimModel modelOf(const SimConfig &config) {
    return config.model ? *config.model : modelFor(config.modelCode);
}

QByteArray le32Bytes(uint32_t value) {
    QByteArray b(4, '\0');
    put32(b, 0, value);
    return b;
}

} // namespace

SimBootLoader::SimBootLoader(const SimConfig &config)
    : mcuFlash(int(modelOf(config).mcuFlashSize), char(0xFF)), externalFlash(config.flashSize),
      wordMemory(0x10000, '\0'), cfg(config), chip(modelOf(config)) {
    cfg.modelCode = chip.code;
    forgetErasedSectors();
}

void SimBootLoader::setConfig(const SimConfig &config) {
    const uint32_t code = chip.code;
    cfg = config;
    cfg.modelCode = code;
    if (externalFlash.size() != cfg.flashSize) {
        externalFlash.resize(cfg.flashSize);
        forgetErasedSectors();
    }
}

bool SimBootLoader::servesCommand(uint8_t letter) {
    return letter != 0 && std::strchr(CommandLetters, letter) != nullptr;
}

int SimBootLoader::frameSize(uint8_t letter) const {
    if (letter == 'J' && chip.mcuLayout == SimMcuLayout::Large512) return LargeFrameSize;
    if ((letter == 'j' || letter == 'k' || letter == 'l') &&
        chip.flashLayout == SimFlashLayout::Large512)
        return LargeFrameSize;
    return FrameSize;
}

void SimBootLoader::restart() {
    mcuTrain = {};
    flashTrain = {};
    flashAddrMode = 0;
    expectedParity = 0;
    forgetErasedSectors();
}

void SimBootLoader::powerCycle() {
    restart();
    wordMemory.fill('\0');
}

SimResponse SimBootLoader::handle(SimFrame &f, int percent) {
    workPercent = qBound(0, percent, 100);
    f.letter = uint8_t(f.bytes.at(0));
    f.name = QString(QChar(f.letter));
    if (f.bytes.size() != frameSize(f.letter)) return refuse(f, QStringLiteral("incomplete frame"));
    if (f.letter != 'J') abandonTrains(f);
    switch (f.letter) {
    case 'K':
        return connect(f);
    case 'G':
        return getInfo(f);
    case 'O':
        return run(f);
    case 'L':
        return eraseMcu(f);
    case 'J':
        return programMcu(f);
    case 'N':
        return checkMcuCrc(f);
    case 'H':
        return bootFrame(f);
    case 'I':
        return writeWords(f);
    case 'm':
        return getFlashId(f);
    case 'o':
        return setAddrMode(f);
    case 'h':
        return eraseFlash(f);
    case 'n':
        return checkFlashCrc(f);
    case 'j':
    case 'k':
    case 'l':
        return programFlash(f);
    default:
        f.name = QStringLiteral("0x%1").arg(f.letter, 2, 16, QLatin1Char('0'));
        return refuse(f, QStringLiteral("unknown command"));
    }
}

// A block train ends only with its last packet; any other command abandons it.
void SimBootLoader::abandonTrains(SimFrame &f) {
    if (mcuTrain.open)
        f.fields[QStringLiteral("abandonedMcuBlock")] = quint32(mcuTrain.data.size());
    mcuTrain = {};
    if (f.letter == 'j' || f.letter == 'k' || f.letter == 'l') return;
    if (flashTrain.open)
        f.fields[QStringLiteral("abandonedFlashBlock")] = quint32(flashTrain.data.size());
    flashTrain = {};
}

QByteArray SimBootLoader::reply(uint8_t letter) {
    QByteArray r(FrameSize, '\0');
    r[0] = char(letter);
    return r;
}

SimResponse SimBootLoader::answer(const QByteArray &bytes) {
    return answerAfter(0, bytes);
}

SimResponse SimBootLoader::answerAfter(qint64 us, const QByteArray &bytes) {
    SimResponse r;
    r.replies.push_back({bytes, us, true});
    r.busyUs = us;
    return r;
}

SimResponse SimBootLoader::refuse(SimFrame &f, const QString &why) {
    f.reject(why);
    QByteArray nak = reply(NakLetter);
    nak[1] = char(f.letter);
    return answer(nak);
}

// The handshake: the host folds the model it proposes into the frame CRC; the answer proves
// this chip's own model, so it only matches when the proposal was right.
SimResponse SimBootLoader::connect(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const uint8_t selector = uint8_t(b[1]);
    f.fields[QStringLiteral("selector")] = selector;
    f.fields[QStringLiteral("timestamp")] = le32(b, 4);
    if (selector < '0' || selector > '2')
        return refuse(f, QStringLiteral("selector not '0', '1' or '2'"));
    if (b[2] != 'K' || b[3] != 'Q') return refuse(f, QStringLiteral("bytes 2-3 not 'K','Q'"));
    if (!zeroFrom(b, 12, 16) || uint8_t(b[16]) != 0x7F || !zeroFrom(b, 17, FrameSize))
        return refuse(f, QStringLiteral("bytes 12-63 not as expected (byte 16 0x7F, rest 0)"));

    const uint32_t frameCrc = le32(b, 8);
    std::vector<uint32_t> known;
    for (const SimModel &m : models())
        known.push_back(m.code);
    known.push_back(chip.code);
    bool matched = false;
    for (uint32_t code : known) {
        if (crcOf(b.left(8) + le32Bytes(code), 0, 12) == frameCrc) {
            f.fields[QStringLiteral("proposed")] = code;
            f.note = QStringLiteral("proposes %1%2")
                         .arg(modelFor(code).name == QLatin1String("unknown")
                                  ? QStringLiteral("0x%1").arg(code, 8, 16, QLatin1Char('0'))
                                  : modelFor(code).name,
                              code == chip.code ? QString() : QStringLiteral(", not this chip"));
            matched = true;
            break;
        }
    }
    if (!matched) return refuse(f, QStringLiteral("frame CRC matches no known model"));

    // A handshake starts an update.
    expectedParity = 0;
    forgetErasedSectors();
    const QByteArray tag = fourBytes(chip.kq580 ? cfg.proofTagKq580 : cfg.proofTag);
    const QByteArray proofInput = b.left(8) + le32Bytes(chip.code) + tag;
    QByteArray r = reply('K');
    put32(r, 1, crcOf(proofInput, 0, proofInput.size()));
    put32(r, 9, reportedVersion());
    put32(r, 13, cfg.bootKindCode);
    return answer(r);
}

uint32_t SimBootLoader::reportedVersion() const {
    if (chip.kq580 && cfg.bootType >= 0)
        return (cfg.bootVersion & ~0xFFu) | uint32_t(cfg.bootType & 0xFF);
    return cfg.bootVersion;
}

SimResponse SimBootLoader::getInfo(SimFrame &f) {
    const QByteArray &b = f.bytes;
    if (uint8_t(b[1]) != 0xE8 || uint8_t(b[2]) != 0x17 || uint8_t(b[3]) != 0x7F)
        return refuse(f, QStringLiteral("bytes 1-3 not E8 17 7F"));
    if (!zeroFrom(b, 4, 8) || !zeroFrom(b, 12, FrameSize))
        return refuse(f, QStringLiteral("unnamed bytes not zero"));
    if (le32(b, 8) != crcOf(b, 0, 8)) return refuse(f, QStringLiteral("frame CRC wrong"));
    QByteArray r = reply('G');
    put32(r, 4, chip.code);
    put32(r, 8, reportedVersion());
    put32(r, 12, cfg.infoFlashIds[0]);
    put32(r, 16, cfg.infoFlashIds[1]);
    put32(r, 20, crcOf(r, 0, 20));
    return answer(r);
}

// The run command starts the application (or a downloaded loader); the chip restarts.
SimResponse SimBootLoader::run(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const int at = chip.kq580 ? 4 : 1;
    f.fields[QStringLiteral("address")] = le32(b, at);
    if (!zeroFrom(b, 1, at) || !zeroFrom(b, at + 4, FrameSize)) {
        f.reject(QStringLiteral("address not alone in bytes %1-%2").arg(at).arg(at + 3));
        return none();
    }
    SimResponse r;
    if (cfg.restartOnRun) {
        r.vanish = true;
        r.returnAfterMs = cfg.restartDelayMs;
    }
    return r;
}
