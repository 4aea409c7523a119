#include "mcu/mcu_update.h"

#include "mcu/boot_records.h"
#include "mcu/mcu_commands.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_packets.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/handshake.h"
#include "serial/timing.h"

namespace {

constexpr int32_t McuBlockSize = 2048;
constexpr int32_t MinImageLength = 8; // the run address sits in bytes 4..7

// The action buttons stay disabled and `busy` set while an operation runs, on every path out.
class BusyScope {
  public:
    explicit BusyScope(DeviceSession &session) : s(session) {
        s.ui.setButtonsEnabled(false);
        s.busy = 1;
    }
    ~BusyScope() {
        s.busy = 0;
        s.ui.setButtonsEnabled(true);
    }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

  private:
    DeviceSession &s;
};

void logTime(DeviceSession &s) {
    s.ui.logLine(Log_Time_Text());
}

QString modelName(uint32_t model) {
    const ChipModel *row = Find_ChipModel(model);
    return row ? QLatin1String(row->name) : QStringLiteral("unknown model");
}

// A boot command's failure in words: -2 is its time-out, anything else a refusal.
QString unanswered(int result, const QString &what) {
    return what +
           (result == -2 ? QStringLiteral(" was not answered") : QStringLiteral(" was refused"));
}

int refusePortClosed(DeviceSession &s) {
    s.ui.showMessage(QStringLiteral("Please open the port!"));
    return s.fail(-1, QStringLiteral("the port is not open"));
}

// The update needs the run address in bytes 4..7 and only sends the bytes actually held.
bool holdsImage(DeviceSession &s, int32_t length) {
    if (length >= MinImageLength && length <= s.imageBuf.size()) return true;
    s.ui.showMessage(QStringLiteral("There aren't any datas to update!"));
    s.fail(-1, length == 0 ? QStringLiteral("image of 0 bytes: nothing to write")
                           : QStringLiteral("image of %1 bytes: too short, %2 bytes at least")
                                 .arg(length)
                                 .arg(MinImageLength));
    return false;
}

// Handshakes with selector '0' then '1'; the first failing result, or 0.
int connectTwice(DeviceSession &s, uint32_t model) {
    for (char selector : {'0', '1'}) {
        const int r = Connect_Device(s, selector, model);
        if (r == 1)
            return s.fail(r, QStringLiteral("the chip answered the handshake as another model"));
        if (r != 0) return s.fail(r, unanswered(r, QStringLiteral("the handshake")));
    }
    return 0;
}

// Where the image goes: sets `start` and `end` and logs the plan. Returns -1 when refused.
int planAddresses(DeviceSession &s, int32_t length, uint32_t model, uint32_t &start,
                  uint32_t &end) {
    start = 0;
    const ChipModel &chip = Chip_Model(model);
    const bool placed = chip.runAddress != RunAddressRule::None;
    if (placed) {
        s.enterAddr = getLe32(reinterpret_cast<const uint8_t *>(s.imageBuf.constData()) + 4);
        s.ui.logLine(QStringLiteral("enter_Addr:") + To_Hex8(s.enterAddr));
        if (s.enterAddr < chip.mcuBase) {
            s.ui.logLine(
                QStringLiteral("The run address is less than 0x%1:").arg(chip.mcuBase, 0, 16) +
                To_Hex8(s.enterAddr));
            return s.fail(-1, QStringLiteral("run address %1 is below %2")
                                  .arg(To_Hex8(s.enterAddr), To_Hex8(chip.mcuBase)));
        }
        start = McuStartOffset(s.enterAddr, chip.mcuBase);
    }
    // Computed wide: a run address near the top of the address space must not wrap around.
    const uint64_t wideEnd = uint64_t(start) + uint64_t(length);
    end = uint32_t(wideEnd);
    if (placed)
        s.ui.logLine(QStringLiteral("sAddr:") + To_Hex8(start) + QStringLiteral(" eAddr:") +
                     To_Hex8(end));
    // The image must also fit the flash from its start offset.
    if (length > McuUpdateLimit(model) || wideEnd > uint64_t(Get_McuFlashSize(model))) {
        s.ui.showMessage(QStringLiteral("This file is over than mcu to update!"));
        if (length > McuUpdateLimit(model))
            return s.fail(-1, QStringLiteral("image of %1 bytes exceeds the %2's update limit of "
                                             "%3 bytes")
                                  .arg(length)
                                  .arg(modelName(model))
                                  .arg(McuUpdateLimit(model)));
        return s.fail(-1, QStringLiteral("image of %1 bytes from offset %2 overruns the %3's MCU "
                                         "flash of %4 bytes")
                              .arg(length)
                              .arg(To_Hex8(start), modelName(model))
                              .arg(Get_McuFlashSize(model)));
    }
    return 0;
}

int writeBlock(DeviceSession &s, int32_t length, uint32_t offset, int32_t imageOffset) {
    const int r = Write_McuBlock(
        s, length, offset, reinterpret_cast<const uint8_t *>(s.imageBuf.constData()) + imageOffset);
    if (r != 0) {
        s.ui.logLine(QStringLiteral("UPDATE_FLASH NG, Addr : 0x") + QString::number(offset, 16));
        s.fail(r, unanswered(r, QStringLiteral("the MCU block at offset %1").arg(To_Hex8(offset))));
    }
    return r;
}

// Whether the MCU flash holds the image described by mcuLen, mcuCrc and enterAddr.
int checkMcu(DeviceSession &s) {
    if (!s.link.isOpen()) return refusePortClosed(s);
    // Zero bytes are no image: a CRC over nothing proves nothing.
    if (s.mcuLen <= 0) {
        s.ui.showMessage(QStringLiteral("Please input mcu code file"));
        return s.fail(-1, QStringLiteral("no MCU image to compare with"));
    }
    // A proof naming another model does not stop the check; only a failed exchange does.
    for (char selector : {'0', '1'}) {
        if (const int r = Connect_Device(s, selector, s.modelCode); r < 0) {
            s.ui.showMessage(QStringLiteral("Fail to Connect a KQ31 device"));
            return s.fail(-1, unanswered(r, QStringLiteral("the handshake")));
        }
    }
    const int32_t flashSize = Get_McuFlashSize(s.modelCode);
    if (s.mcuLen > flashSize) {
        s.ui.showMessage(QStringLiteral("Over Mcu flash size:") + QString::number(flashSize));
        return s.fail(-1, Mcu_TooLarge(s.mcuLen, s.modelCode));
    }
    const int r = Check_McuCrc(s);
    s.ui.logLine(r == 0 ? QStringLiteral("Check MCU CRC is OK...")
                        : QStringLiteral("Check MCU CRC is NG..."));
    if (r == -3) return s.fail(r, QStringLiteral("the MCU flash does not hold the image"));
    if (r != 0) return s.fail(r, unanswered(r, QStringLiteral("the MCU CRC query")));
    return 0;
}

} // namespace

int32_t McuUpdateLimit(uint32_t model) {
    return Chip_Model(model).mcuUpdateLimit;
}

int Update_Mcu(DeviceSession &s) {
    const int loaded = Load_McuImage(s);
    if (loaded < 0) return loaded;
    int r;
    {
        BusyScope scope(s);
        r = Program_Mcu(s, s.mcuLen, McuBlockSize, s.modelCode);
        s.ui.logLine(QString());
        s.ui.logLine(r == 0 ? QStringLiteral("Update MCU is OK!!!!!!")
                            : QStringLiteral("Update MCU is fail....."));
    }
    s.imageBuf = QByteArray();
    return r == 0 ? 1 : 0;
}

int Program_Mcu(DeviceSession &s, int32_t length, int32_t blockSize, uint32_t model) {
    if (!s.link.isOpen()) return refusePortClosed(s);
    if (!holdsImage(s, length)) return -1;
    if (blockSize <= 0 || blockSize > 0xFFFF) return -1;
    s.ui.clearLog();
    s.enterAddr = 0;

    uint32_t start = 0, end = 0;
    if (planAddresses(s, length, model, start, end) != 0) return -1;
    if (connectTwice(s, model) != 0) {
        s.ui.showMessage(QStringLiteral("Fail to Connect a mcu device"));
        return -1;
    }
    if (Chip_Model(model).mcuPatch) Send_McuPatch(s);

    logTime(s);
    s.ui.setProgressPhase(ProgressPhase::McuErase);
    s.ui.setProgress(0);
    if (const int r = Erase_Mcu(s, start, end)) {
        s.ui.logLine(QStringLiteral("Erase flash NG!!!"));
        return s.fail(-2, unanswered(r, QStringLiteral("the MCU erase")));
    }
    s.ui.logLine(QStringLiteral("Erase flash OK..."));
    logTime(s);
    s.ui.logLine(QStringLiteral("Program flash.."));
    s.ui.setProgressPhase(ProgressPhase::McuWrite);

    const int32_t fullBlocks = length / blockSize;
    for (int32_t k = 0; k < fullBlocks; ++k) {
        if (writeBlock(s, blockSize, start + uint32_t(k * blockSize), k * blockSize) != 0)
            return -3;
        s.ui.setProgress(int(int64_t(k + 1) * blockSize * 100 / length));
    }
    if (const int32_t tail = length % blockSize) {
        const int32_t done = fullBlocks * blockSize;
        if (writeBlock(s, tail, start + uint32_t(done), done) != 0) return -4;
    }
    s.ui.setProgress(100);

    // The CRC check below covers the image only: a boot record the chip refused would leave it
    // unable to start the image, so a refusal fails the update.
    // Both are sent whatever the first answered, as the chip expects.
    const int secondBoot =
        s.enterAddr > Chip_Model(model).secondBootInfoAbove ? Save_SecondBootInfo(s) : 0;
    const int bootSetting = Save_BootSetting(s);
    if (secondBoot != 0 || bootSetting != 0) {
        s.ui.logLine(QStringLiteral("Save boot information NG!!!"));
        return s.fail(-6, QStringLiteral("the chip did not take the boot information"));
    }

    logTime(s);
    if (const int r = Check_McuCrc(s)) {
        s.ui.logLine(QStringLiteral("Check CRC is NG..."));
        return s.fail(-5, r == -3 ? QStringLiteral("the MCU flash does not hold the image after "
                                                   "writing")
                                  : unanswered(r, QStringLiteral("the MCU CRC query")));
    }
    s.ui.logLine(QStringLiteral("Check CRC is OK..."));
    logTime(s);
    return 0;
}

int Check_Mcu(DeviceSession &s) {
    BusyScope scope(s);
    return checkMcu(s);
}

int Check_McuImage(DeviceSession &s) {
    if (const int loaded = Load_McuImage(s); loaded < 0) return loaded;
    int r = -1;
    {
        BusyScope scope(s);
        uint32_t start = 0, end = 0;
        s.enterAddr = 0;
        if (!s.link.isOpen())
            refusePortClosed(s);
        else if (holdsImage(s, s.mcuLen) &&
                 planAddresses(s, s.mcuLen, s.modelCode, start, end) == 0)
            r = checkMcu(s);
    }
    s.imageBuf = QByteArray();
    return r;
}
