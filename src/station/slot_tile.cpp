#include "station/slot_tile.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The frame's border, each side (the focus shows in it).
constexpr int Border = 5;
// Between the short line of a row and the one beside it, and between rows.
constexpr int RowGap = 8, LineGap = 1;
// No text is smaller, however small the tiles.
constexpr double MinPoints = 9;

enum Line { Name, State, Model, Phase, Time, Reason, Hint, Note, Counts, LineCount };

// Each line's size at scale 1, and whether it is bold.
struct LineFont {
    double points;
    bool bold;
};
constexpr LineFont Fonts[LineCount] = {{22, true},  {30, true},  {14, false},
                                       {14, false}, {14, false}, {14, true},
                                       {13, false}, {14, true},  {12, false}};

// The tile's rows, top to bottom: a short line that does not wrap (or none), then one in the
// rest of the row: the slot's name before its state, the clock before the phase. The state
// word never wraps: where it does not fit, the font is made smaller.
struct Row {
    int side;
    int main;
    bool wraps;
};
constexpr Row Rows[] = {{Name, State, false}, {-1, Model, true}, {Time, Phase, true},
                        {-1, Reason, true},   {-1, Hint, true},  {-1, Note, true},
                        {-1, Counts, true}};

QFont scaled(QFont font, int line, double scale) {
    font.setPointSizeF(std::max(MinPoints, Fonts[line].points * scale));
    font.setBold(Fonts[line].bold);
    return font;
}

QString widest(const QFontMetrics &metrics, const QString &a, const QString &b) {
    return metrics.horizontalAdvance(a) >= metrics.horizontalAdvance(b) ? a : b;
}

// The sign beside the state word: PASS and FAIL differ in shape, not only in colour.
QString signOf(SlotState s) {
    switch (s) {
    case SlotState::Waiting:
        return QStringLiteral("\u25cb"); // ○
    case SlotState::Running:
        return QStringLiteral("\u25b6"); // ▶
    case SlotState::Pass:
        return QStringLiteral("\u2714"); // ✔
    case SlotState::Fail:
        return QStringLiteral("\u2716"); // ✖
    }
    return QString();
}

// To a screen reader a tile is a button (Enter acknowledges it), not a frame.
QAccessibleInterface *tileAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String("SlotTile") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Button);
    return nullptr;
}

} // namespace

SlotTile::SlotTile(QWidget *parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    static const bool accessible = [] {
        QAccessible::installFactory(tileAccessible);
        return true;
    }();
    Q_UNUSED(accessible)
    for (int i = 0; i < LineCount; ++i) {
        auto *label = new QLabel(this);
        label->setTextFormat(Qt::PlainText); // a scanned serial is shown, never interpreted
        lines.append(label);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->setSpacing(LineGap);
    for (const Row &row : Rows) {
        lines[row.main]->setWordWrap(row.wraps);
        if (row.side < 0) {
            layout->addWidget(lines[row.main]);
            continue;
        }
        auto *beside = new QBoxLayout(QBoxLayout::LeftToRight);
        beside->setSpacing(RowGap);
        lines[row.side]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        beside->addWidget(lines[row.side]);
        beside->addWidget(lines[row.main], 1);
        if (row.wraps)
            beside->addStretch(); // a short line alone stays at the left
        else
            top = beside;
        layout->addLayout(beside);
    }
    layout->addStretch();
    scale = 0; // none set yet
    setScale(1.0);
}

void SlotTile::setScale(double s) {
    if (s == scale) return;
    scale = s;
    for (int i = 0; i < LineCount; ++i)
        lines[i]->setFont(scaled(font(), i, s));
    arrangeTop();
}

// The state word beside the slot's name where both fit the width, else under it: a narrow
// tile keeps a large state word.
void SlotTile::arrangeTop() {
    const QMargins m = layout()->contentsMargins();
    const int inner = width() - m.left() - m.right() - 2 * Border; // as measured
    const bool beside =
        lines[Name]->sizeHint().width() + RowGap + lines[State]->sizeHint().width() <= inner;
    const auto direction = beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (top->direction() == direction) return;
    top->setDirection(direction);
    top->setSpacing(beside ? RowGap : LineGap);
    layout()->activate(); // now, not at the next pass of the event loop: the tile is shown
}

void SlotTile::resizeEvent(QResizeEvent *event) {
    QFrame::resizeEvent(event);
    arrangeTop();
}

void SlotTile::setPhaseRoom(const QStringList &phases) {
    const QFontMetrics metrics(scaled(font(), Phase, 1.0));
    QString room;
    for (const QString &phase : phases)
        room = widest(metrics, room, phase);
    if (room == phaseRoom) return;
    phaseRoom = room;
    textsChanged();
}

int SlotTile::heightAt(int width, double s) const {
    // Fonts go in steps of a thousandth: two scales that round alike measure alike.
    const quint64 key = (quint64(quint32(width)) << 32) | quint32(qRound(s * 1000));
    const auto known = heights.constFind(key);
    if (known != heights.cend()) return *known;
    if (heights.size() > 512) heights.clear(); // a window resized many times
    const int height = measure(width, s);
    heights.insert(key, height);
    return height;
}

// What a line is measured with: a running board's clock and phase change every second, so room
// is kept for the widest they may read.
QString SlotTile::measuredText(int line, const QFontMetrics &metrics) const {
    const QString text = lines[line]->text();
    if (!running) return text;
    if (line == Phase) return widest(metrics, text, phaseRoom);
    if (line == Time) return widest(metrics, text, QStringLiteral("88:88"));
    return text;
}

int SlotTile::measure(int width, double s) const {
    const QMargins m = layout()->contentsMargins();
    const int inner = width - m.left() - m.right() - 2 * Border;
    int total = m.top() + m.bottom() + 2 * Border;
    int shown = 0;
    for (const Row &row : Rows) {
        int room = inner, height = 0;
        if (row.side >= 0) {
            const QFontMetrics metrics(scaled(font(), row.side, s));
            const QString text = measuredText(row.side, metrics);
            if (!text.isEmpty()) {
                const QRect box = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, text);
                room -= box.width() + RowGap;
                height = box.height();
            }
        }
        const QFontMetrics metrics(scaled(font(), row.main, s));
        const QString text = measuredText(row.main, metrics);
        if (!text.isEmpty()) {
            const QRect box =
                metrics.boundingRect(QRect(0, 0, row.wraps ? std::max(room, 1) : 1 << 20, 1 << 20),
                                     row.wraps ? Qt::TextWordWrap : 0, text);
            if (!row.wraps && box.width() > room && room < inner) { // under the short line
                if (box.width() > inner) return TooNarrow;
                height += LineGap + box.height();
            } else {
                if (box.width() > room) return TooNarrow; // a word wider than the tile
                height = std::max(height, box.height());
            }
        }
        if (height == 0) continue;
        total += height + 1;
        ++shown;
    }
    return total + LineGap * std::max(0, shown - 1);
}

void SlotTile::textsChanged() {
    heights.clear();
    emit textChanged();
}

QString SlotTile::stateWord(SlotState s) {
    switch (s) {
    case SlotState::Waiting:
        return tr("Waiting");
    case SlotState::Running:
        return tr("Running");
    case SlotState::Pass:
        return tr("PASS");
    case SlotState::Fail:
        return tr("FAIL");
    }
    return QString();
}

std::pair<QColor, QColor> SlotTile::colours(SlotState s) {
    switch (s) {
    case SlotState::Waiting:
        return {QColor(0xe8e8e8), QColor(0x202020)};
    case SlotState::Running:
        return {QColor(0xd8e6f5), QColor(0x0a2a4a)};
    case SlotState::Pass:
        return {QColor(0x17702f), Qt::white};
    case SlotState::Fail:
        return {QColor(0xc0261f), Qt::white};
    }
    return {};
}

void SlotTile::display(const SlotView &v) {
    if (styled != int(v.state)) { // a style sheet costs: set when the state changes
        styled = int(v.state);
        const auto [background, foreground] = colours(v.state);
        const QString colour =
            QStringLiteral("background:%1;color:%2;").arg(background.name(), foreground.name());
        // The focus is a thick frame the colour of the text, on every state.
        setStyleSheet(QStringLiteral("SlotTile{%1 border:5px solid %2; border-radius:6px;}"
                                     "SlotTile:focus{border:5px solid %3;} QLabel{%1}")
                          .arg(colour, background.name(), foreground.name()));
    }
    // A line with nothing to say takes no room from the reason and the hint.
    const QString texts[LineCount] = {
        v.name,  signOf(v.state) + QLatin1Char(' ') + stateWord(v.state),
        v.model, v.phase,
        v.time,  v.reason,
        v.hint,  v.note,
        v.counts};
    for (int i = 0; i < LineCount; ++i) {
        lines[i]->setText(texts[i]);
        lines[i]->setVisible(!texts[i].isEmpty());
    }
    arrangeTop();
    setAccessibleName(v.name);
    QString description = stateWord(v.state);
    const QString why = v.state == SlotState::Running ? v.phase : v.reason;
    if (!why.isEmpty()) description += QStringLiteral(": ") + why;
    if (!v.hint.isEmpty()) description += QStringLiteral("; ") + v.hint;
    if (!v.note.isEmpty()) description += QStringLiteral("; ") + v.note;
    // A screen reader hears a running board's progress at most once a second (the window shows
    // running tiles again every second); anything else at once.
    const bool progressOnly = v.state == SlotState::Running &&
                              announcedState == int(SlotState::Running) && announced.isValid() &&
                              announced.elapsed() < 1000;
    if (accessibleDescription() != description && !progressOnly) {
        setAccessibleDescription(description);
        announced.start();
    }
    announcedState = int(v.state);
    running = v.state == SlotState::Running;
    // A running board's clock and phase have their room kept; the rest may need another fit.
    QStringList fitted{texts[Name], texts[State], v.model, v.reason, v.hint, v.note, v.counts};
    if (v.state != SlotState::Running) fitted << v.phase << v.time;
    const QString text = fitted.join(QLatin1Char('\n'));
    if (text != fitText) {
        fitText = text;
        textsChanged();
    }
}

void SlotTile::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->pos())) emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void SlotTile::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit acknowledged();
        return;
    case Qt::Key_Delete:
        emit forceCleared();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit stepped(event->key());
        return;
    case Qt::Key_L:
        if (event->modifiers() & Qt::ControlModifier) {
            emit clicked();
            return;
        }
        break;
    default:
        break;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && !event->text().isEmpty() && event->text().at(0).isPrint())
        emit typed(event->text());
    else
        QFrame::keyPressEvent(event);
}

void SlotTile::focusInEvent(QFocusEvent *event) {
    QFrame::focusInEvent(event);
    emit focused();
}
