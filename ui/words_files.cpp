// TWordForm: the settings kept between runs, and the file commands of the File and Options
// menus, handed to the file layer.
#include <QAction>
#include <QCheckBox>
#include <QSettings>

#include "core/CommandError.h"
#include "files/SettingsStore.h"
#include "words.h"

using namespace glimmerset;

void TWordForm::ApplyLoadedSettings() {
  std::unique_ptr<QSettings> store = settingsStore_();
  LoadSettings(*store, Model(), settings_);
  // A check box set from a value behaves as if clicked: its handler runs when its state changes.
  SoundOn->setChecked(settings_.SoundOn);
  ShowMenu->setChecked(settings_.ShowMenu);
  ShowStatus->setChecked(settings_.ShowStatus);
  LoadLast->setChecked(settings_.LoadLast);
  Regular->setChecked(settings_.Regular);
  sounds_->SetSoundFolder(settings_.SoundFolder);
}

void TWordForm::CollectSettings() {
  settings_.SoundOn = SoundOn->isChecked();
  settings_.ShowMenu = ShowMenu->isChecked();
  settings_.ShowStatus = ShowStatus->isChecked();
  settings_.LoadLast = LoadLast->isChecked();
  settings_.Regular = Regular->isChecked();
  settings_.SoundFolder = sounds_->SoundFolder();
}

void TWordForm::LoadGridClk() { RunCommand([this] { files_->LoadGridClk(); }); }
void TWordForm::LoadAnswerListClick() { RunCommand([this] { files_->LoadAnswerListClick(); }); }
void TWordForm::LoadGlimmersetClick() { RunCommand([this] { files_->LoadGlimmersetClick(); }); }
void TWordForm::LoadStartupGrid() { RunCommand([this] { files_->LoadGivenPuzzle(startupGrid_); }); }
void TWordForm::SaveGridClick() { RunCommand([this] { files_->SaveGridClick(); }, false); }
void TWordForm::SaveAnswersClick() { RunCommand([this] { files_->SaveAnswersClick(); }, false); }
void TWordForm::SaveGlimmersetClick() { RunCommand([this] { files_->SaveGlimmersetClick(); }, false); }
void TWordForm::CaptureClick() { RunCommand([this] { files_->CaptureClick(); }, false); }
void TWordForm::LoadGridScan() { RunCommand([this] { files_->LoadGridScan(); }); }
void TWordForm::LoadAnswerScan() { RunCommand([this] { files_->LoadAnswerScan(); }); }
void TWordForm::OCRSoftwareClick() { RunCommand([this] { files_->OCRSoftwareClick(); }, false); }

void TWordForm::Demo1Click() {
  RunCommand([this] { files_->Demo1Click([this] { Core().commands.Solve(); }); });
}

// The menu has reversed the tick already; the setting follows it.
void TWordForm::LoadLastClick() { settings_.LoadLast = LoadLast->isChecked(); }

// The menu has reversed the tick already; the setting follows it.
void TWordForm::RegularClick() { settings_.Regular = Regular->isChecked(); }
