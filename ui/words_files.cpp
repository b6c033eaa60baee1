// TWordForm: the file commands of the File and Options menus.
#include "words.h"

void TWordForm::LoadGridClk() {}
void TWordForm::LoadAnswerListClick() {}
void TWordForm::LoadGlimmersetClick() {}
void TWordForm::SaveGridClick() {}
void TWordForm::SaveAnswersClick() {}
void TWordForm::SaveGlimmersetClick() {}
void TWordForm::CaptureClick() {}
void TWordForm::LoadGridScan() {}
void TWordForm::LoadAnswerScan() {}
void TWordForm::Demo1Click() {}
void TWordForm::OCRSoftwareClick() {}
