#pragma once

#include <QString>
#include <QVariant>

// A ROOT\WMI text delivered as a list of character codes, through
// platform::text::charCodesWithoutControlsOrBidi: the codes up to the first 0, trimmed, without
// control codes, lone surrogate halves, values beyond 16 bits and bidirectional controls. A property
// that arrives as plain text is taken as that text, cleaned the same way; anything else decodes to
// an empty text.
QString decodeCharCodes(const QVariant &value);
