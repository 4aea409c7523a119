#include "protocol/transaction.h"

#include "protocol/bytes.h"
#include "protocol/crc32.h"
#include "protocol/models.h"

#include <QCoreApplication>
#include <cstring>

Exchange awaitReply(DeviceSession &s, const CommandSpec &command) {
    std::function<bool()> stop;
    if (command.stopsOnExit) stop = [&s] { return s.exitRequested(); };
    switch (s.link.Wait_Reply(command.intervalMs, command.polls, stop)) {
    case SerialLink::Wait::Stopped:
        return Exchange::Stopped;
    case SerialLink::Wait::TimeOut:
        s.ui.showMessage(QStringLiteral("Time over!"));
        return Exchange::TimeOut;
    case SerialLink::Wait::Reply:
        break;
    }
    return s.link.rxBuf[0] == command.replyLetter ? Exchange::Reply : Exchange::WrongLetter;
}

Exchange exchange(DeviceSession &s, const CommandSpec &command, const uint8_t *frame, int length) {
    s.link.discardStale();
    s.link.write(frame, length, command.drain);
    return awaitReply(s, command);
}

int Exchange_Result(DeviceSession &s, const CommandSpec &command, Exchange e,
                    const QString &errorLine) {
    switch (e) {
    case Exchange::Reply:
        return 0;
    case Exchange::WrongLetter:
        if (!errorLine.isEmpty()) s.ui.logLine(errorLine);
        return command.wrongLetterResult;
    case Exchange::TimeOut:
    case Exchange::Stopped:
        break;
    }
    return command.timeOutResult;
}

Frame BootFrame(int length, uint32_t code, const uint8_t *payload) {
    Frame frame{};
    length = qBound(0, length, FrameSize - 12);
    frame[0] = 'H';
    frame[1] = '0';
    putLe32(&frame[2], code);
    putLe16(&frame[6], uint16_t(length));
    if (length > 0) std::memcpy(&frame[8], payload, size_t(length));
    putLe32(&frame[8 + length], crc32_calc(frame.data(), size_t(8 + length)));
    return frame;
}

int Send_Packet(DeviceSession &s, int length, uint32_t code, const uint8_t *payload) {
    const Frame frame = BootFrame(length, code, payload);
    s.link.discardStale();
    s.link.write(frame.data(), FrameSize, Command::BootFrame.drain);
    QCoreApplication::processEvents();
    switch (awaitReply(s, Command::BootFrame)) {
    case Exchange::Reply:
        return int8_t(s.link.rxBuf[1]);
    case Exchange::WrongLetter:
        return -1;
    case Exchange::TimeOut:
    case Exchange::Stopped:
        break;
    }
    return -2;
}

Frame Run_Frame(uint32_t modelCode, uint32_t address) {
    Frame frame{};
    frame[0] = Command::Run.letter;
    putLe32(&frame[modelCode == Model::KQ580 ? 4 : 1], address);
    return frame;
}

int Run_Address(DeviceSession &s, uint32_t address) {
    const Frame frame = Run_Frame(s.modelCode, address);
    s.link.discardStale();
    s.link.write(frame.data(), FrameSize, Command::Run.drain);
    return 0;
}
