#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// Checks event lines against the tree's events schema (docs/events.schema.json) with Debian's
// python3-jsonschema: empty when every line is one valid event, else what is wrong with which.
QString Events_SchemaProblems(const QByteArrayList &lines);
