#include "line/board_identity.h"

QString Boot_VersionText(const BoardIdentity &board) {
    return board.bootVersion ? QStringLiteral("0x") + QString::number(*board.bootVersion, 16)
                             : QString();
}
