#pragma once

#include <QMetaType>
#include <QString>
#include <optional>
#include <utility>

// Why an operation failed, as a kind a caller can act on. The kind and the reason are set where
// the failure happens and are passed up unchanged.
enum class FailureKind {
    NoReply,       // the chip did not answer (whole) in time, or not before the run's deadline
    WrongReply,    // it answered, but not as it must: damaged, another model's proof, a CRC
                   // that is not the image's
    Refused,       // it answered the command with its error reply, or a refusing status
    DeviceGone,    // the port closed under the operation: the device went away
    Stopped,       // the operator asked to stop (Exit, Ctrl-C)
    ImageUnusable, // the image cannot be written or checked as it is
    InputUnusable, // another input cannot be used: no port open, no image named, a flash part
                   // that Flash.ini does not list, a chip no known model answers for
    SystemError,   // a file or the system failed: unreadable, no memory
};

Q_DECLARE_METATYPE(FailureKind)

// The word records and events use for a kind of failure: "no_reply", "device_gone".
inline const char *Failure_KindName(FailureKind kind) {
    switch (kind) {
    case FailureKind::NoReply:
        return "no_reply";
    case FailureKind::WrongReply:
        return "wrong_reply";
    case FailureKind::Refused:
        return "refused";
    case FailureKind::DeviceGone:
        return "device_gone";
    case FailureKind::Stopped:
        return "stopped";
    case FailureKind::ImageUnusable:
        return "image_unusable";
    case FailureKind::InputUnusable:
        return "input_unusable";
    case FailureKind::SystemError:
        break;
    }
    return "system_error";
}

struct Failure {
    FailureKind kind = FailureKind::SystemError;
    QString reason;         // what the operator reads: "the MCU erase was not answered"
    bool outOfTime = false; // a NoReply because the run's deadline came
    // The device went away, the operator stopped, the deadline came: the cause of the whole run,
    // which no step that it cut short renames.
    bool endsRun() const {
        return kind == FailureKind::DeviceGone || kind == FailureKind::Stopped || outOfTime;
    }
};

// `cause` as the step that met it names it: its kind with the step's `reason`, unless the cause
// ends the run, whose own reason stands.
inline Failure Step_Failure(const Failure &cause, const QString &reason) {
    return cause.endsRun() ? cause : Failure{cause.kind, reason};
}

// The value of an operation that yields none but success.
struct Done {};

// What an operation ended with: its value, or the failure that ended it.
template <class T = Done> class [[nodiscard]] Result {
  public:
    Result(T value) : stored(std::move(value)) {}
    Result(Failure failure) : why(std::move(failure)) {}

    bool ok() const { return !why; }
    // Only when ok().
    const T &value() const { return *stored; }
    // Only when !ok().
    const Failure &failure() const { return *why; }
    FailureKind kind() const { return why->kind; }
    const QString &reason() const { return why->reason; }

  private:
    std::optional<T> stored;
    std::optional<Failure> why;
};

inline Failure Fail(FailureKind kind, const QString &reason) {
    return Failure{kind, reason};
}

// The reason the stop token gives every operation it ends.
inline QString Interrupted_Reason() {
    return QStringLiteral("interrupted");
}
