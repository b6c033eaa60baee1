#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>
#include <string_view>

#include "ProgramFolder.h"
#include "SafeFile.h"
#include "core/CommandError.h"
#include "stringutils.h"

namespace glimmerset {

namespace {

// A stored text, or nullopt when the value is missing or not text. The text ends at a NUL.
std::optional<QString> StoredText(QSettings& store, const QString& name) {
  if (!store.contains(name)) return std::nullopt;
  const QVariant value = store.value(name);
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  QString text = value.toString();
  if (const auto nul = text.indexOf(QChar(0)); nul >= 0) text.truncate(nul);
  return text;
}

QString ReadText(QSettings& store, const QString& name, const QString& fallback) {
  return StoredText(store, name).value_or(fallback);
}

int ReadNumber(QSettings& store, const QString& name, int fallback) {
  const auto text = StoredText(store, name);
  if (!text) return fallback;
  return ParseWholeNumber(text->toStdString()).value_or(fallback);
}

bool ReadSwitch(QSettings& store, const QString& name, bool fallback) {
  return ReadNumber(store, name, fallback ? 1 : 0) != 0;
}

Colour ReadColour(QSettings& store, const QString& name, Colour fallback) {
  return static_cast<Colour>(ReadNumber(store, name, static_cast<int>(fallback)));
}

// A stored path that still names a Windows default folder is taken to the real one.
QString ReadPath(QSettings& store, const QString& name, const QString& fallback) {
  const auto text = StoredText(store, name);
  if (!text) return fallback;
#ifdef Q_OS_WIN
  return *text;
#else
  return MapWindowsPath(*text);
#endif
}

QString SwitchText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
QString NumberText(long long n) { return QString::number(n); }
QString ColourText(Colour colour) { return QString::number(static_cast<std::int32_t>(colour)); }

}  // namespace

const std::vector<QString>& SettingsReadOrder() {
  static const std::vector<QString> names = {"SoundDir", "Ocr",     "Sound",      "Load Last",  "FCol",
                                             "BCol",     "AFCol",   "GFont",      "AFont",      "Regular",
                                             "Asci Dir", "answerfile", "gridfile", "Show Status", "Show Menu",
                                             "Allowed"};
  return names;
}

const std::vector<QString>& SettingsWriteOrder() {
  static const std::vector<QString> names = {"SoundDir", "Ocr",     "Sound",      "Load Last",  "GFont",
                                             "BCol",     "FCol",    "AFont",      "AFCol",      "Regular",
                                             "Asci Dir", "answerfile", "gridfile", "Show Status", "Show Menu",
                                             "Allowed"};
  return names;
}

QSettings::Format ProgramSettingsFormat() { return QSettings::NativeFormat; }

ProgramSettings DefaultProgramSettings() {
  ProgramSettings defaults;
  defaults.SoundFolder = MapWindowsPath("C:\\glimmerset\\Program Files\\");
  defaults.OcrProgram = MapWindowsPath("C:\\oplimit\\oplimit.exe");
  defaults.SoundOn = true;
  defaults.LoadLast = true;
  defaults.Regular = true;
  defaults.AsciDir = MapWindowsPath("C:\\glimmerset");
  defaults.AnswerFileName = MapWindowsPath("C:\\Glimmerset\\Demo\\cityans.ans");
  defaults.GridFileName = MapWindowsPath("C:\\Glimmerset\\Demo\\citys.glm");
  defaults.ShowStatus = false;
  defaults.ShowMenu = false;
  return defaults;
}

void LoadSettings(QSettings& store, PuzzleModel& model, ProgramSettings& settings) {
  const ProgramSettings defaults = DefaultProgramSettings();
  const Appearance look;
  settings.SoundFolder = ReadPath(store, "SoundDir", defaults.SoundFolder);
  settings.OcrProgram = ReadPath(store, "Ocr", defaults.OcrProgram);
  settings.SoundOn = ReadSwitch(store, "Sound", true);
  settings.LoadLast = ReadSwitch(store, "Load Last", true);
  model.Look.FCol = ReadColour(store, "FCol", look.FCol);
  model.Look.BCol = ReadColour(store, "BCol", look.BCol);
  model.Look.AFCol = ReadColour(store, "AFCol", look.AFCol);
  model.Look.GFont = ReadText(store, "GFont", QString::fromStdString(look.GFont)).toStdString();
  model.Look.AFont = ReadText(store, "AFont", QString::fromStdString(look.AFont)).toStdString();
  settings.Regular = ReadSwitch(store, "Regular", true);
  settings.AsciDir = ReadPath(store, "Asci Dir", defaults.AsciDir);
  settings.AnswerFileName = ReadPath(store, "answerfile", defaults.AnswerFileName);
  settings.GridFileName = ReadPath(store, "gridfile", defaults.GridFileName);
  settings.ShowStatus = ReadSwitch(store, "Show Status", false);
  settings.ShowMenu = ReadSwitch(store, "Show Menu", false);
  model.AllowedErrors = ReadNumber(store, "Allowed", 10);
}

std::vector<std::pair<QString, QString>> SettingsValues(const PuzzleModel& model, const ProgramSettings& settings) {
  return {
      {"SoundDir", settings.SoundFolder},
      {"Ocr", settings.OcrProgram},
      {"Sound", SwitchText(settings.SoundOn)},
      {"Load Last", SwitchText(settings.LoadLast)},
      {"GFont", QString::fromStdString(model.Look.GFont)},
      {"BCol", ColourText(model.Look.BCol)},
      {"FCol", ColourText(model.Look.FCol)},
      {"AFont", QString::fromStdString(model.Look.AFont)},
      {"AFCol", ColourText(model.Look.AFCol)},
      {"Regular", SwitchText(settings.Regular)},
      {"Asci Dir", settings.AsciDir},
      {"answerfile", settings.AnswerFileName},
      {"gridfile", settings.GridFileName},
      {"Show Status", SwitchText(settings.ShowStatus)},
      {"Show Menu", SwitchText(settings.ShowMenu)},
      {"Allowed", NumberText(model.AllowedErrors)},
  };
}

namespace {

[[noreturn]] void CannotSave() { throw CommandError(std::string("Failed to create key ") + kSettingsKey); }

// The store's file is replaced as a whole once its new content is known to be complete: the new
// content is made in a scratch folder, read back, and only then put in place of the old file.
void SaveSettingsFile(QSettings& store, const std::vector<std::pair<QString, QString>>& values) {
  QTemporaryDir scratch;
  if (!scratch.isValid()) CannotSave();
  const QString scratchName = scratch.filePath(QStringLiteral("settings"));
  {
    QSettings copy(scratchName, store.format());
    for (const QString& key : store.allKeys()) copy.setValue(key, store.value(key));
    for (const auto& [name, text] : values) copy.setValue(name, text);
    copy.sync();
    if (copy.status() != QSettings::NoError) CannotSave();
  }
  // QSettings can report success after a failed write: what it wrote is read back.
  QSettings check(scratchName, store.format());
  for (const auto& [name, text] : values) {
    const QVariant stored = check.value(name);
    if (stored.typeId() != QMetaType::QString || stored.toString() != text) CannotSave();
  }
  QFile written(scratchName);
  if (!written.open(QIODevice::ReadOnly)) CannotSave();
  const QByteArray bytes = written.readAll();
  if (written.error() != QFileDevice::NoError) CannotSave();

  const QString target = store.fileName();
  QDir().mkpath(QFileInfo(target).absolutePath());
  try {
    ReplaceFile(target, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const CommandError&) {
    CannotSave();
  }
  store.sync();  // takes in the file just written
}

}  // namespace

void SaveSettings(QSettings& store, const PuzzleModel& model, const ProgramSettings& settings) {
  if (!store.isWritable()) CannotSave();
  const auto values = SettingsValues(model, settings);
#ifdef Q_OS_WIN
  if (store.format() == QSettings::NativeFormat) {
    // The registry writes each value on its own.
    for (const auto& [name, text] : values) store.setValue(name, text);
    store.sync();
    if (store.status() != QSettings::NoError) CannotSave();
    return;
  }
#endif
  SaveSettingsFile(store, values);
}

}  // namespace glimmerset
