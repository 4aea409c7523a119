#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// Where a board's serial is scanned (a keyboard-wedge barcode reader types a line and Enter) or
// typed: the slot it goes to, the field, and what became of the last line. F2 reaches the field;
// keys typed on a tile come here too (StationWindow).
class ScanBar : public QWidget {
    Q_OBJECT

  public:
    explicit ScanBar(QWidget *parent = nullptr);
    // The slot the next line goes to; empty: none.
    void setTarget(const QString &slot);
    // Starts a line with `text` (typed on a tile) and takes the keys that follow.
    void begin(const QString &text);
    void focusField();
    // What became of the last line: taken, or refused and why.
    void showOutcome(const QString &text, bool refused);

  signals:
    // A line ended with Enter (not empty).
    void scanned(const QString &line);
    // Enter on an empty field: back to the tiles.
    void left();

  private:
    QLabel *target, *outcome;
    QLineEdit *field;
};
