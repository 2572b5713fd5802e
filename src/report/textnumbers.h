#pragma once

#include <QString>

// The first decimal number in a text ("2,60GHz" reads as 2.6); 0 when there is none.
double firstNumber(const QString &text);

// A size text ("1 TB", "512 MB", "16 GB") in GB; a text without a unit counts as GB.
double sizeToGb(const QString &text);
