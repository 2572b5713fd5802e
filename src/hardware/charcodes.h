#pragma once

#include <QString>
#include <QVariant>

// A ROOT\WMI text delivered as a list of character codes: the codes up to the first 0, trimmed.
// Codes that are not printable characters (control codes, lone surrogate halves, values beyond
// 16 bits) are dropped. A property that arrives as plain text is taken as that text, cleaned the
// same way; anything else decodes to an empty text.
QString decodeCharCodes(const QVariant &value);
