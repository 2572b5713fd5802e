#pragma once

#include "laptop/laptopmodel.h"

#include <QVector>

// The built-in catalogue in its fixed order (earlier entries win ties). Built on first use,
// read-only afterwards, safe to call from any thread.
const QVector<LaptopModel> &laptopCatalogue();
