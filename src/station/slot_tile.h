#pragma once

#include <QFrame>
#include <QString>

class QLabel;

enum class SlotState { Waiting, Running, Pass, Fail };

// What one tile shows.
struct SlotView {
    QString name;
    SlotState state = SlotState::Waiting;
    QString model;  // "KQ31B, boot 0x1a"; empty: no board identified
    QString phase;  // "flash write 45 %"
    QString time;   // "0:42"
    QString reason; // Waiting: why; FAIL: what went wrong
    QString hint;   // FAIL: what to do
};

// One place of the fixture, readable from a metre away: the slot's name, the board's model, its
// phase and time, and its state as a word on a colour (green PASS, red FAIL). Its accessible
// name is the slot's name, its description "STATE: reason". A click opens the slot's log.
class SlotTile : public QFrame {
    Q_OBJECT

  public:
    explicit SlotTile(QWidget *parent = nullptr);
    void display(const SlotView &view);
    // Waiting, Running, PASS, FAIL (translated).
    static QString stateWord(SlotState state);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    QLabel *name, *state, *model, *phase, *time, *reason, *hint;
};
