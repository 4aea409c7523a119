#include "floor_device.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

FloorDevice::FloorDevice(std::vector<int64_t> blockBytes, uint8_t ackLetter)
    : blocks(std::move(blockBytes)), ack(ackLetter) {}

FloorDevice::~FloorDevice() {
    if (thread.joinable()) {
        const char stop = 1;
        (void)!::write(wake[1], &stop, 1);
        thread.join();
    }
    for (int fd : {master, wake[0], wake[1]})
        if (fd >= 0) ::close(fd);
}

bool FloorDevice::start() {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 || pipe(wake) != 0)
        return false;
    termios raw;
    tcgetattr(master, &raw);
    cfmakeraw(&raw);
    tcsetattr(master, TCSANOW, &raw);
    slavePath = QString::fromLocal8Bit(ptsname(master));
    thread = std::thread([this] { serve(); });
    return true;
}

void FloorDevice::serve() {
    std::vector<char> chunk(1 << 16);
    uint8_t reply[64] = {ack};
    size_t block = 0;
    int64_t inBlock = 0;
    pollfd fds[2] = {{master, POLLIN, 0}, {wake[0], POLLIN, 0}};
    while (poll(fds, 2, -1) >= 0 && !(fds[1].revents & POLLIN)) {
        const ssize_t n = ::read(master, chunk.data(), chunk.size());
        if (n <= 0) {
            if (fds[0].revents & POLLHUP) // the host closed its end; wait for the stop
                fds[0].fd = -1;
            continue;
        }
        received += n;
        inBlock += n;
        while (block < blocks.size() && inBlock >= blocks[block]) {
            inBlock -= blocks[block++];
            if (ack) (void)!::write(master, reply, sizeof reply);
        }
    }
}
