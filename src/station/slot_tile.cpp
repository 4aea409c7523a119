#include "station/slot_tile.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

QLabel *label(QWidget *parent, int pointSize, bool bold) {
    auto *l = new QLabel(parent);
    QFont font = l->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    l->setFont(font);
    l->setWordWrap(true);
    return l;
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

} // namespace

SlotTile::SlotTile(QWidget *parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setMinimumSize(260, 220);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    auto *layout = new QVBoxLayout(this);
    name = label(this, 22, true);
    state = label(this, 30, true);
    model = label(this, 14, false);
    phase = label(this, 14, false);
    time = label(this, 14, false);
    reason = label(this, 14, true);
    hint = label(this, 13, false);
    counts = label(this, 12, false);
    note = label(this, 14, true);
    for (QLabel *l : {name, state, model, phase, time, reason, hint, note, counts})
        layout->addWidget(l);
    layout->addStretch();
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
    const auto [background, foreground] = colours(v.state);
    const QString colour =
        QStringLiteral("background:%1;color:%2;").arg(background.name(), foreground.name());
    // The focus is a thick frame the colour of the text, on every state.
    setStyleSheet(QStringLiteral("SlotTile{%1 border:5px solid %2; border-radius:6px;}"
                                 "SlotTile:focus{border:5px solid %3;} QLabel{%1}")
                      .arg(colour, background.name(), foreground.name()));
    name->setText(v.name);
    state->setText(signOf(v.state) + QLatin1Char(' ') + stateWord(v.state));
    // A line with nothing to say takes no room from the reason and the hint.
    const std::pair<QLabel *, QString> lines[] = {
        {model, v.model}, {phase, v.phase}, {time, v.time},    {reason, v.reason},
        {hint, v.hint},   {note, v.note},   {counts, v.counts}};
    for (const auto &[line, text] : lines) {
        line->setText(text);
        line->setVisible(!text.isEmpty());
    }
    setAccessibleName(v.name);
    QString description = stateWord(v.state);
    const QString why = v.state == SlotState::Running ? v.phase : v.reason;
    if (!why.isEmpty()) description += QStringLiteral(": ") + why;
    if (!v.hint.isEmpty()) description += QStringLiteral("; ") + v.hint;
    if (!v.note.isEmpty()) description += QStringLiteral("; ") + v.note;
    setAccessibleDescription(description);
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
    case Qt::Key_L:
        emit clicked();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}
