#pragma once

#include <QString>

// A disk's health as the rules decide it. The words are what the snapshot and the exports carry;
// rules compare the values, never the words.
enum class DiskHealth { Unknown, Good, Warning, Failed };

// "Tốt", "Cảnh báo", "Lỗi"; "Không đọc được SMART" when nothing tells.
QString diskHealthText(DiskHealth health);

// A snapshot's `health` text read back: the first of the words above the text contains.
DiskHealth diskHealthOfText(const QString &text);
