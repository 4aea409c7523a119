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

// Each line's size at scale 1, and whether it is bold, in the order of the tile's lines.
struct LineFont {
    double points;
    bool bold;
};
constexpr LineFont Lines[] = {{22, true}, {30, true},  {14, false}, {14, false}, {14, false},
                              {14, true}, {13, false}, {14, true},  {12, false}};
constexpr int PhaseLine = 3, TimeLine = 4;

QFont scaled(QFont font, const LineFont &line, double scale) {
    font.setPointSizeF(line.points * scale);
    font.setBold(line.bold);
    return font;
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
    auto *layout = new QVBoxLayout(this);
    QLabel **all[] = {&name, &state, &model, &phase, &time, &reason, &hint, &note, &counts};
    for (QLabel **l : all) {
        *l = new QLabel(this);
        (*l)->setWordWrap(true);
        (*l)->setTextFormat(Qt::PlainText); // a scanned serial is shown, never interpreted
        layout->addWidget(*l);
        lines.append(*l);
    }
    layout->addStretch();
    scale = 0; // none set yet
    setScale(1.0);
}

void SlotTile::setScale(double s) {
    if (s == scale) return;
    scale = s;
    for (int i = 0; i < lines.size(); ++i)
        lines[i]->setFont(scaled(font(), Lines[i], s));
}

int SlotTile::heightAt(int width, double s) const {
    const QMargins m = layout()->contentsMargins();
    const int inner = width - m.left() - m.right() - 2 * Border;
    int total = m.top() + m.bottom() + 2 * Border;
    int shown = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QString text = lines[i]->text();
        // A running board's phase and time come and go every second: room is kept for them.
        if (text.isEmpty() && (i == PhaseLine || i == TimeLine)) text = QStringLiteral("0:00 %");
        if (text.isEmpty()) continue;
        const QFontMetrics metrics(scaled(font(), Lines[i], s));
        const QRect box = metrics.boundingRect(QRect(0, 0, inner, 1 << 20), Qt::TextWordWrap, text);
        if (box.width() > inner) return TooNarrow; // a word wider than the tile
        total += box.height() + 2;
        ++shown;
    }
    return total + layout()->spacing() * std::max(0, shown - 1);
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
    const QString before = lastText;
    lastText =
        QStringList{v.name, stateWord(v.state), v.model, v.reason, v.hint, v.note, v.counts}.join(
            QLatin1Char('\n'));
    name->setText(v.name);
    state->setText(signOf(v.state) + QLatin1Char(' ') + stateWord(v.state));
    // A line with nothing to say takes no room from the reason and the hint.
    const std::pair<QLabel *, QString> texts[] = {
        {model, v.model}, {phase, v.phase}, {time, v.time},    {reason, v.reason},
        {hint, v.hint},   {note, v.note},   {counts, v.counts}};
    for (const auto &[line, text] : texts) {
        line->setText(text);
        line->setVisible(!text.isEmpty());
    }
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
    if (lastText != before) emit textChanged();
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
