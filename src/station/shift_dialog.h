#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// Who works the station and on what: the operator's ID and the work order or lot, given at the
// start of a shift. Every record carries both.
struct Shift {
    QString operatorId;
    QString lot;
    bool complete() const { return !operatorId.isEmpty() && !lot.isEmpty(); }
};

// Why `shift` cannot be used (in the operator's language); empty when it can.
QString Shift_Problem(const Shift &shift);

// Asks for the operator's ID and the lot (either may be scanned), `given` filled in. OK is
// taken only once both can be used. None: cancelled.
class ShiftDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ShiftDialog(const Shift &given, QWidget *parent = nullptr);
    Shift shift() const;
    static std::optional<Shift> ask(const Shift &given, QWidget *parent = nullptr);

  private:
    void check();

    QLineEdit *operatorField, *lotField;
    QLabel *problem;
    QPushButton *ok;
};
