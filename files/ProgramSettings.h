#pragma once
// ProgramSettings: the values kept between runs that are not puzzle state: the sound folder, the
// OCR program, the check boxes and menu ticks, the answer dialog's folder and the remembered
// puzzle pair. The appearance settings and AllowedErrors live in the PuzzleModel.

#include <QString>

namespace glimmerset {

struct ProgramSettings {
  QString SoundFolder;     // "SoundDir": the folder of Won.wav and Bad.wav, ending with a separator
  QString OcrProgram;      // "Ocr": the OCR program that Capture starts
  bool SoundOn = true;     // "Sound": the Sound effects check box
  bool LoadLast = true;    // "Load Last": tick of Options > Load Last Glimmerset
  bool Regular = true;     // "Regular": tick of Options > Regular
  QString AsciDir;         // "Asci Dir": starting folder of the answer-file open dialog
  QString AnswerFileName;  // "answerfile": the remembered answer file
  QString GridFileName;    // "gridfile": the remembered grid file
  bool ShowStatus = false; // "Show Status": the Show Windows Status Bar check box
  bool ShowMenu = false;   // "Show Menu": the Show Windows Menu check box
};

}  // namespace glimmerset
