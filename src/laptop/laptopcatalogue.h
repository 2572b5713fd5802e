#pragma once

#include "laptop/laptopmodel.h"

#include <QByteArray>
#include <QVector>

#include <optional>

// The built-in catalogue in its fixed order (earlier entries win ties), read from the compiled-in
// laptopcatalogue.json. Built on first use, read-only afterwards, safe to call from any thread.
const QVector<LaptopModel> &laptopCatalogue();

// The entries of a catalogue file: a JSON array of objects holding exactly the fields of
// LaptopModel under their member names. Nothing when any entry is malformed; *error then names
// the entry and the field.
std::optional<QVector<LaptopModel>> parseLaptopCatalogue(const QByteArray &json, QString *error = nullptr);
