#include "station/slot_tile.h"

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

// Background and text: a state reads by its word first, by its colour second.
QString styleOf(SlotState s) {
    switch (s) {
    case SlotState::Waiting:
        return QStringLiteral("background:#e8e8e8;color:#202020;");
    case SlotState::Running:
        return QStringLiteral("background:#d8e6f5;color:#0a2a4a;");
    case SlotState::Pass:
        return QStringLiteral("background:#1f8a3a;color:white;");
    case SlotState::Fail:
        return QStringLiteral("background:#c0261f;color:white;");
    }
    return QString();
}

} // namespace

SlotTile::SlotTile(QWidget *parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setMinimumSize(260, 220);
    setCursor(Qt::PointingHandCursor);
    auto *layout = new QVBoxLayout(this);
    name = label(this, 22, true);
    state = label(this, 30, true);
    model = label(this, 14, false);
    phase = label(this, 14, false);
    time = label(this, 14, false);
    reason = label(this, 14, true);
    hint = label(this, 13, false);
    for (QLabel *l : {name, state, model, phase, time, reason, hint})
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

void SlotTile::display(const SlotView &v) {
    setStyleSheet(
        QStringLiteral("SlotTile{%1 border-radius:6px;} QLabel{%1}").arg(styleOf(v.state)));
    name->setText(v.name);
    state->setText(stateWord(v.state));
    // A line with nothing to say takes no room from the reason and the hint.
    const std::pair<QLabel *, QString> lines[] = {
        {model, v.model}, {phase, v.phase}, {time, v.time}, {reason, v.reason}, {hint, v.hint}};
    for (const auto &[line, text] : lines) {
        line->setText(text);
        line->setVisible(!text.isEmpty());
    }
    setAccessibleName(v.name);
    QString description = stateWord(v.state);
    const QString why = v.state == SlotState::Running ? v.phase : v.reason;
    if (!why.isEmpty()) description += QStringLiteral(": ") + why;
    if (!v.hint.isEmpty()) description += QStringLiteral("; ") + v.hint;
    setAccessibleDescription(description);
}

void SlotTile::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->pos())) emit clicked();
    QFrame::mouseReleaseEvent(event);
}
