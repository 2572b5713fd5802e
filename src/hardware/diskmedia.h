#pragma once

#include <QString>

// A disk's medium as the rules decide it. The words are what the snapshot and the exports carry;
// rules compare the values, never the words.
enum class DiskMedia { Unknown, Hdd, Ssd, Scm };

// "HDD", "SSD", "SCM"; empty when unknown.
QString diskMediaText(DiskMedia media);
// A snapshot's `mediaType` text read back: the first of "SSD", "SCM", "HDD" the text contains.
DiskMedia diskMediaOfText(const QString &text);
