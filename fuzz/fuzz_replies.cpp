// The device's answers: arbitrary bytes arrive on a pseudo-terminal as the reply to one command
// of the protocol, which then reads them as it would a real chip's reply. Arrivals longer than
// the reply buffer go through the receive handler alone (no command would ever see them).
// The reply assembly and the reply readers alone run far faster in fuzz_reply_assembly.
//
// Input: byte 0 picks the command, byte 1 the chip model, byte 2 where the reply is cut in two
// pieces (0: sent whole), the rest is what the device sends, filled up with zeros to whole
// 64-byte replies: a reply left short would only be waited for to the end of the command's
// budget, which the fault matrix covers.
#include "flash/flash_block.h"
#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "flash/flash_update.h"
#include "fuzz_support.h"
#include "jobs/device_information.h"
#include "mcu/mcu_commands.h"
#include "protocol/chip_table.h"
#include "protocol/device_info.h"
#include "protocol/handshake.h"
#include "protocol/transaction.h"
#include "serial/serial_link.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <iterator>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The chip's end of a pseudo-terminal, served from its own thread: the reply armed for the next
// command is sent once the host has written something, so that it arrives after the command
// was sent, as a real reply does.
class Device {
  public:
    Device() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) abort();
        slave = QString::fromLocal8Bit(ptsname(master));
        std::thread([this] { serve(); }).detach();
    }
    void arm(const uint8_t *data, size_t size, size_t cut = 0) {
        std::lock_guard<std::mutex> lock(mutex);
        armed.assign(data, data + size);
        armedCut = cut < size ? cut : 0;
        lastSpoke = Clock::now();
    }
    // Whether the device has said all it will for a while: a wait beyond that waits for nothing.
    bool silent() const { return Clock::now() - lastSpoke.load() > std::chrono::seconds(2); }
    // Bytes sent at once, whatever the host does.
    void send(const uint8_t *data, size_t size) const {
        while (size > 0) {
            const ssize_t n = ::write(master, data, size);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return;
            data += n;
            size -= size_t(n);
        }
    }
    QString slave;

  private:
    void serve() {
        char sink[4096];
        for (;;) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 5) <= 0) continue;
            bool heard = false;
            while (::read(master, sink, sizeof sink) > 0)
                heard = true;
            std::lock_guard<std::mutex> lock(mutex);
            if (heard && !armed.empty()) {
                send(armed.data(), armedCut);
                if (armedCut > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
                send(armed.data() + armedCut, armed.size() - armedCut);
                armed.clear();
                lastSpoke = Clock::now();
            }
        }
    }

    using Clock = std::chrono::steady_clock;
    int master = -1;
    std::atomic<Clock::time_point> lastSpoke{Clock::now()};
    std::mutex mutex;
    std::vector<uint8_t> armed;
    size_t armedCut = 0;
};

// Ends a wait the device will not answer: one that a reply set aside as another command's late
// one grew by the chip's longest command (minutes), as the operator's stop would.
class FuzzObserver : public UnattendedObserver {
  public:
    explicit FuzzObserver(const Device &speaker) : device(speaker) {}
    bool stopRequested() const override { return device.silent(); }

  private:
    const Device &device;
};

void runCommand(int which, DeviceSession &s) {
    static const uint8_t block[600] = {1, 2, 3};
    JobResult result;
    switch (which) {
    case 0:
        (void)Connect_Device(s, '0', s.chip().code);
        break;
    case 1:
        (void)Get_Device_Info(s, QString(), result);
        break;
    case 2:
        (void)Erase_Mcu(s, 0, 100);
        break;
    case 3:
        (void)Write_McuBlock(s, 100, 0, block);
        break;
    case 4:
        (void)Check_McuCrc(s, {100, 0, 0});
        break;
    case 5:
        (void)Send_Packet(s, 24, 0x7E00, block, QStringLiteral("a record"));
        break;
    case 6:
        (void)Get_FlashID(s, 0, QString());
        break;
    case 7:
        (void)Set_FlashAddrMode(s, 1);
        break;
    case 8:
        (void)Erase_WholeFlash(s, 0);
        break;
    case 9:
        (void)Write_FlashBlock(s, block, 0, 100, 0);
        break;
    default:
        (void)Check_FlashCRC(s, FlashImageFacts()); // refused before anything is sent
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 3) return 0;
    ensureApplication();
    static Device device;
    static SerialLink link;
    static FuzzObserver ui(device);
    ui.log.clear(); // one input's lines at a time
    ui.messages.clear();

    // A fresh port each time: nothing of an earlier input is left in it.
    link.Close();
    if (!link.Open(device.slave)) abort();

    DeviceSession s(link, ui);
    s.identity.model = &Chip_Models()[data[1] % Chip_Models().size()];
    const uint8_t *reply = data + 3;
    const size_t replySize = size - 3;

    if (replySize == 0 || replySize > size_t(SerialLink::RxBufSize)) {
        // Longer than the reply buffer: no command could take it; the receive handler must.
        struct Bounded : ArrivalSink {
            void arrived(const uint8_t *, int length) override {
                if (length > SerialLink::RxBufSize) abort();
            }
            void lost() override {}
        } bounded;
        link.setArrivalSink(&bounded);
        device.send(reply, replySize);
        link.Wait_Reply(1, 3);
        link.setArrivalSink(nullptr);
    } else {
        std::vector<uint8_t> whole(reply, reply + replySize);
        whole.resize((replySize + ReplySize - 1) / ReplySize * ReplySize, 0);
        device.arm(whole.data(), whole.size(), data[2]);
        runCommand(data[0] % 11, s);
        device.arm(nullptr, 0);
    }
    return 0;
}
