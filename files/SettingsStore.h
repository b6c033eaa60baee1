#pragma once
// SettingsStore: the sixteen values kept from one run to the next, read once at start-up and
// written once at exit. Every value is stored as text: texts as they are, whole numbers and colours
// as signed decimal, yes/no as "1" or "0". The program uses QSettings("Marlock", "Glimmerset") in
// the native format (HKCU\Software\Marlock\Glimmerset on Windows, an INI file elsewhere).

#include <QSettings>
#include <QString>
#include <utility>
#include <vector>

#include "ProgramSettings.h"
#include "core/PuzzleModel.h"

namespace glimmerset {

// The key path that error reports name.
inline const char* const kSettingsKey = "Software\\Marlock\\Glimmerset";

// The value names in the order LoadSettings reads them, and in the order SaveSettings writes them.
const std::vector<QString>& SettingsReadOrder();
const std::vector<QString>& SettingsWriteOrder();

// The program's store: QSettings for organisation "Marlock", application "Glimmerset", native format.
QSettings::Format ProgramSettingsFormat();

// The state every value takes when the store holds nothing (Windows defaults already mapped to
// the program folder, so a first run opens the capital-cities demo).
ProgramSettings DefaultProgramSettings();

// Reads every value into the model and the settings. A missing value, a number that is not a
// whole number and a value of another type than text all give that value's default.
void LoadSettings(QSettings& store, PuzzleModel& model, ProgramSettings& settings);

// The sixteen values as the store receives them, in write order.
std::vector<std::pair<QString, QString>> SettingsValues(const PuzzleModel& model, const ProgramSettings& settings);

// Writes all sixteen values. A store kept in a file is replaced as a whole, only once its new
// content is complete: a failed save leaves the old file byte for byte as it was. Throws
// CommandError "Failed to create key %s" when the store cannot be written; the caller reports it
// and still closes.
void SaveSettings(QSettings& store, const PuzzleModel& model, const ProgramSettings& settings);

}  // namespace glimmerset
