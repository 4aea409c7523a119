#pragma once

#include <QByteArray>
#include <QString>

// JSON readers keep one value of a key given twice, silently: a reviewer may read the first while
// the program uses the last. This finds such a key; it reads any bytes safely, so it may run before
// the JSON reader (Qt's leaks what it reads of a key given twice).

// The first key that appears twice in one object, with the keys of the objects it lies in
// ("mcu.file"); empty when there is none. Escapes are decoded first ("mod\u0065ls" is "models").
QString Json_DuplicateKey(const QByteArray &json);
