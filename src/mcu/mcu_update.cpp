#include "mcu/mcu_update.h"

#include "mcu/boot_records.h"
#include "mcu/mcu_commands.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_packets.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/handshake.h"
#include "protocol/open_port.h"
#include "serial/timing.h"

namespace {

constexpr int32_t McuBlockSize = 2048;
constexpr int32_t MinImageLength = 8; // the run address sits in bytes 4..7

void logTime(DeviceSession &s) {
    s.ui.logLine(Log_Time_Text());
}

QString modelName(uint32_t model) {
    const ChipModel *row = Find_ChipModel(model);
    return row ? QLatin1String(row->name) : QStringLiteral("unknown model");
}

// The update needs the run address in bytes 4..7.
Result<> holdsImage(DeviceSession &s, int32_t length) {
    if (length >= MinImageLength) return Done{};
    s.ui.message(QStringLiteral("There aren't any datas to update!"));
    return Fail(FailureKind::ImageUnusable,
                length == 0 ? QStringLiteral("image of 0 bytes: nothing to write")
                            : QStringLiteral("image of %1 bytes: too short, %2 bytes at least")
                                  .arg(length)
                                  .arg(MinImageLength));
}

// Where the image goes in the MCU flash, [start, end).
struct McuPlan {
    uint32_t start = 0;
    uint32_t end = 0;
};

// Plans where `image` goes and logs the plan; takes its run address into `facts`.
Result<McuPlan> planAddresses(DeviceSession &s, const McuImage &image, McuImageFacts &facts) {
    McuPlan plan;
    const int32_t length = image.length;
    const ChipModel &chip = s.chip();
    const bool placed = chip.runAddress != RunAddressRule::None;
    if (placed) {
        facts.enterAddr = Get_Le32(reinterpret_cast<const uint8_t *>(image.bytes.constData()) + 4);
        s.ui.logLine(QStringLiteral("enter_Addr:") + To_Hex8(facts.enterAddr));
        if (facts.enterAddr < chip.mcuBase) {
            s.ui.logLine(
                QStringLiteral("The run address is less than 0x%1:").arg(chip.mcuBase, 0, 16) +
                To_Hex8(facts.enterAddr));
            return Fail(FailureKind::ImageUnusable,
                        QStringLiteral("run address %1 is below %2")
                            .arg(To_Hex8(facts.enterAddr), To_Hex8(chip.mcuBase)));
        }
        plan.start = Mcu_StartOffset(facts.enterAddr, chip.mcuBase);
    }
    // Computed wide: a run address near the top of the address space must not wrap around.
    const uint64_t wideEnd = uint64_t(plan.start) + uint64_t(length);
    plan.end = uint32_t(wideEnd);
    if (placed)
        s.ui.logLine(QStringLiteral("sAddr:") + To_Hex8(plan.start) + QStringLiteral(" eAddr:") +
                     To_Hex8(plan.end));
    // The image must also fit the flash from its start offset.
    if (length > chip.mcuUpdateLimit || wideEnd > uint64_t(chip.mcuFlashSize)) {
        s.ui.message(QStringLiteral("This file is over than mcu to update!"));
        if (length > chip.mcuUpdateLimit)
            return Fail(
                FailureKind::ImageUnusable,
                QStringLiteral("image of %1 bytes exceeds the %2's update limit of %3 bytes")
                    .arg(length)
                    .arg(modelName(s.chip().code))
                    .arg(chip.mcuUpdateLimit));
        return Fail(FailureKind::ImageUnusable,
                    QStringLiteral("image of %1 bytes from offset %2 overruns the %3's MCU flash "
                                   "of %4 bytes")
                        .arg(length)
                        .arg(To_Hex8(plan.start), modelName(s.chip().code))
                        .arg(chip.mcuFlashSize));
    }
    return plan;
}

Result<> writeBlock(DeviceSession &s, const McuImage &image, int32_t length, uint32_t offset,
                    int32_t imageOffset) {
    const auto *data = reinterpret_cast<const uint8_t *>(image.bytes.constData()) + imageOffset;
    const Result<> r = Write_McuBlock(s, length, offset, data);
    if (!r.ok())
        s.ui.logLine(QStringLiteral("UPDATE_FLASH NG, Addr : 0x") + QString::number(offset, 16));
    return r;
}

// Whether the MCU flash holds the image described by `facts`.
Result<> checkMcu(DeviceSession &s, const McuImageFacts &facts) {
    if (const Result<> open = Require_OpenPort(s); !open.ok()) return open;
    // Zero bytes are no image: a CRC over nothing proves nothing.
    if (facts.mcuLen <= 0) {
        s.ui.message(QStringLiteral("Please input mcu code file"));
        return Fail(FailureKind::InputUnusable, QStringLiteral("no MCU image to compare with"));
    }
    // A proof naming another model does not stop the check; only a failed exchange does.
    if (const Result<> shook = Handshake(s, {'0', '1'}, OtherModel::Passes); !shook.ok()) {
        s.ui.message(QStringLiteral("Fail to Connect a KQ31 device"));
        return shook;
    }
    const int32_t flashSize = Get_McuFlashSize(s.chip().code);
    if (facts.mcuLen > flashSize) {
        s.ui.message(QStringLiteral("Over Mcu flash size:") + QString::number(flashSize));
        return Fail(FailureKind::ImageUnusable, Mcu_TooLarge(facts.mcuLen, s.chip().code));
    }
    const Result<> r = Check_McuCrc(s, facts);
    s.ui.logLine(r.ok() ? QStringLiteral("Check MCU CRC is OK...")
                        : QStringLiteral("Check MCU CRC is NG..."));
    return r;
}

} // namespace

int32_t Mcu_UpdateLimit(uint32_t model) {
    return Chip_Model(model).mcuUpdateLimit;
}

Result<> Update_Mcu(DeviceSession &s, const ImageFile &file, int blSet, McuImageFacts &facts) {
    facts = McuImageFacts();
    const Result<McuImage> image = Load_McuImage(s, file);
    if (!image.ok()) return image.failure();
    facts.mcuLen = image.value().length;
    facts.mcuCrc = image.value().crc;
    const Result<> r = Program_Mcu(s, image.value(), McuBlockSize, blSet, facts);
    s.ui.logLine(QString());
    s.ui.logLine(r.ok() ? QStringLiteral("Update MCU is OK!!!!!!")
                        : QStringLiteral("Update MCU is fail....."));
    return r;
}

Result<> Program_Mcu(DeviceSession &s, const McuImage &image, int32_t blockSize, int blSet,
                     McuImageFacts &facts) {
    if (const Result<> open = Require_OpenPort(s); !open.ok()) return open;
    const int32_t length = image.length;
    if (const Result<> held = holdsImage(s, length); !held.ok()) return held;
    if (blockSize <= 0 || blockSize > 0xFFFF)
        return Fail(FailureKind::InputUnusable, QStringLiteral("no MCU block size"));
    s.ui.clearLog();
    facts.enterAddr = 0;

    const Result<McuPlan> plan = planAddresses(s, image, facts);
    if (!plan.ok()) return plan.failure();
    const uint32_t start = plan.value().start;
    if (const Result<> shook = Handshake(s, {'0', '1'}, OtherModel::Fails); !shook.ok()) {
        s.ui.message(QStringLiteral("Fail to Connect a mcu device"));
        return shook;
    }
    if (s.chip().mcuPatch) Send_McuPatch(s);

    logTime(s);
    s.ui.phaseStarted(ProgressPhase::McuErase);
    s.ui.progress(0);
    if (const Result<> erased = Erase_Mcu(s, start, plan.value().end); !erased.ok()) {
        s.ui.logLine(QStringLiteral("Erase flash NG!!!"));
        return erased;
    }
    s.ui.logLine(QStringLiteral("Erase flash OK..."));
    logTime(s);
    s.ui.logLine(QStringLiteral("Program flash.."));
    s.ui.phaseStarted(ProgressPhase::McuWrite);

    const int32_t fullBlocks = length / blockSize;
    for (int32_t k = 0; k < fullBlocks; ++k) {
        const Result<> r =
            writeBlock(s, image, blockSize, start + uint32_t(k * blockSize), k * blockSize);
        if (!r.ok()) return r;
        s.ui.progress(int(int64_t(k + 1) * blockSize * 100 / length));
    }
    if (const int32_t tail = length % blockSize) {
        const int32_t done = fullBlocks * blockSize;
        if (const Result<> r = writeBlock(s, image, tail, start + uint32_t(done), done); !r.ok())
            return r;
    }
    s.ui.progress(100);

    // The CRC check below covers the image only: a boot record the chip refused would leave it
    // unable to start the image, so a refusal fails the update.
    // Both are sent whatever the first answered, as the chip expects.
    const Result<> secondBoot =
        facts.enterAddr > s.chip().secondBootInfoAbove ? Save_SecondBootInfo(s, facts) : Done{};
    const Result<> bootSetting = Save_BootSetting(s, blSet);
    if (!secondBoot.ok() || !bootSetting.ok()) {
        s.ui.logLine(QStringLiteral("Save boot information NG!!!"));
        return Step_Failure(!secondBoot.ok() ? secondBoot.failure() : bootSetting.failure(),
                            QStringLiteral("the chip did not take the boot information"));
    }

    logTime(s);
    if (const Result<> r = Check_McuCrc(
            s, facts, QStringLiteral("the MCU flash does not hold the image after writing"));
        !r.ok()) {
        s.ui.logLine(QStringLiteral("Check CRC is NG..."));
        return r;
    }
    s.ui.logLine(QStringLiteral("Check CRC is OK..."));
    logTime(s);
    return Done{};
}

Result<> Check_Mcu(DeviceSession &s, const McuImageFacts &facts) {
    return checkMcu(s, facts);
}

Result<> Check_McuImage(DeviceSession &s, const ImageFile &file, McuImageFacts &facts) {
    facts = McuImageFacts();
    const Result<McuImage> image = Load_McuImage(s, file);
    if (!image.ok()) return image.failure();
    facts.mcuLen = image.value().length;
    facts.mcuCrc = image.value().crc;
    if (const Result<> open = Require_OpenPort(s); !open.ok()) return open;
    if (const Result<> held = holdsImage(s, facts.mcuLen); !held.ok()) return held;
    if (const Result<McuPlan> plan = planAddresses(s, image.value(), facts); !plan.ok())
        return plan.failure();
    return checkMcu(s, facts);
}
