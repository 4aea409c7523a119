#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QFrame>
#include <QHash>
#include <QString>
#include <utility>

class QBoxLayout;
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
    QString counts; // "attempt 2 · slot: 4 of 5 passed"
    QString note;   // what the operator is asked: "board back: Enter runs it again"
};

// One place of the fixture, readable from a metre away: the slot's name beside its state, a
// word with a sign on a colour (green PASS, red FAIL), so that it reads without the colour too;
// then the board's model, its time and phase, and why. Its accessible name is the slot's name,
// its description "STATE: reason". It takes the focus (Tab, the arrow keys): Enter acknowledges
// its result, Delete asks to clear a FAIL by force, Ctrl+L or a click opens the slot's log;
// other text typed on it is the window's (a scanned serial, L for the log).
class SlotTile : public QFrame {
    Q_OBJECT

  public:
    explicit SlotTile(QWidget *parent = nullptr);
    void display(const SlotView &view);
    // Waiting, Running, PASS, FAIL (translated).
    static QString stateWord(SlotState state);
    // The state's background and text colours.
    static std::pair<QColor, QColor> colours(SlotState state);
    // Every line's font at `scale` times its size (1: the name 22 pt, the state 30 pt, ...),
    // never under 9 pt.
    void setScale(double scale);
    // The texts a running board's phase may read ("flash write 100 %"): a running tile keeps
    // room for the widest, so that the tiles need no new fitting as a board's phases go by.
    void setPhaseRoom(const QStringList &phases);
    // The height the tile needs at `width` with its fonts at `scale`; TooNarrow when a word is
    // wider than the tile. Kept until what the tile shows changes: the grid asks often.
    int heightAt(int width, double scale) const;
    static constexpr int TooNarrow = 1 << 20;

  signals:
    void clicked();
    void acknowledged();
    void forceCleared();   // Delete: the supervisor clears a FAIL without a new run
    void stepped(int key); // an arrow key: to the next tile that way
    void typed(const QString &text);
    void focused();
    // What it shows, beyond the running phase and time, changed: it may need another size.
    void textChanged();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    int measure(int width, double scale) const;
    QString measuredText(int line, const QFontMetrics &metrics) const;
    void textsChanged();
    void arrangeTop();

    QList<QLabel *> lines;     // by the lines' order (name, state, model, ...)
    QBoxLayout *top = nullptr; // the slot's name and its state
    double scale = 1.0;
    QString phaseRoom;
    bool running = false;
    QString fitText;                     // what the fitting measures
    mutable QHash<quint64, int> heights; // heightAt's answers, by width and scale
    int styled = -1;                     // the state the style sheet is of
    QElapsedTimer announced;             // since the description last changed
    int announcedState = -1;
};
