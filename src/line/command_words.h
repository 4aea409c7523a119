#pragma once

#include <QString>
#include <QStringList>

// Splits one command line into its words as a POSIX shell does, without running one: words are
// separated by blanks; 'single quotes' keep everything literally; "double quotes" keep everything
// but \" and \\, which stand for " and \; outside quotes a backslash keeps the next character.
// An unquoted # that starts a word starts a comment, to the end of the line. Nothing is expanded
// ($, ~, *, `). Returns the words, or sets `error` (an unclosed quote, a
// backslash at the end) and returns none.
QStringList Split_CommandWords(const QString &line, QString &error);
