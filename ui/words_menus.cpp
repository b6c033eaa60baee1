// TWordForm: the main menu with its entries in order, and the wiring of every control and
// menu entry to its handler.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <utility>

#include "AnswerListView.h"
#include "GridView.h"
#include "MenuPictures.h"
#include "WordBox.h"
#include "controls/OvalButton.h"
#include "words.h"

using namespace glimmerset::ui;

namespace {

QAction* AddEntry(QMenu* menu, const char* text, const char* name) {
  QAction* action = menu->addAction(QString::fromUtf8(text));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QAction* AddTick(QMenu* menu, const char* text, const char* name, bool ticked) {
  QAction* action = AddEntry(menu, text, name);
  action->setCheckable(true);
  action->setChecked(ticked);
  return action;
}

}  // namespace

void TWordForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  LoadGridAction = AddEntry(file, "&Load Glimmerset Grid ", "LoadGrid");
  LoadAnswerListAction = AddEntry(file, "L&oad Answer List", "LoadAnswerList");
  LoadGlimmersetAction = AddEntry(file, "Load Gli&mmerset", "LoadGlimmerset");
  file->addSeparator();
  SaveGridAction = AddEntry(file, "&Save Word Grid", "SaveGrid");
  SaveAnswersAction = AddEntry(file, "Save &Answer List", "SaveAnswers");
  SaveGlimmersetAction = AddEntry(file, "Save &Glimmerset", "SaveGlimmerset");
  file->addSeparator();
  CaptureAction = AddEntry(file, "&Capture", "Capture");
  LoadGridScanAction = AddEntry(file, "Load &Grid Scan", "LoadGridScan");
  LoadAnswerScanAction = AddEntry(file, "Load Answer &Scan", "LoadAnswerScan");
  file->addSeparator();
  PrintAction = AddEntry(file, "&Print", "Print");
  PrintPreviewAction = AddEntry(file, "Print Pre&view", "PrintPreview");
  PrinterSetupAction = AddEntry(file, "Printer &Setup", "PrinterSetup");
  ExportPdfAction = AddEntry(file, "Export P&DF…", "ExportPdf");
  file->addSeparator();
  ExitAction = AddEntry(file, "&Exit", "Exit1");

  QMenu* glimmerset = bar->addMenu(QStringLiteral("Glimmerset"));
  ManualEntryAction = AddEntry(glimmerset, "Manual Entry", "ManualEntry");
  EditMenuItem = AddEntry(glimmerset, "Edit", "EditMenuItem");
  ScanGridAction = AddEntry(glimmerset, "Scan Grid", "ScanGrid");

  // The title itself is the command: it runs Find.
  SolveMenu = bar->addAction(QStringLiteral("&Solve"));
  SolveMenu->setObjectName(QStringLiteral("SolveMenu"));

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  DemoAction = AddEntry(options, "Demo", "Demo1");
  AnswerFontAction = AddEntry(options, "Answer Font", "AnswerFont1");
  GridFontMenu = options->addMenu(QStringLiteral("Grid Font"));
  GridFontMenu->setObjectName(QStringLiteral("GridFont"));
  GridFontAction = AddEntry(GridFontMenu, "Font", "GridFontItem");
  BackgroundAction = AddEntry(GridFontMenu, "Background", "Background1");
  Sound = AddTick(options, "Sound", "Sound", true);
  Regular = AddTick(options, "Regular", "Regular", true);
  OcrSoftwareAction = AddEntry(options, "OCR Software", "OCRSoftware");
  OcrSoftwareAction->setEnabled(false);  // enabled by the start-up
  LocateFilesAction = AddEntry(options, "Locate Files", "LocateFiles1");
  LoadLast = AddTick(options, "Load Last Glimmerset", "LoadLast", true);
  AllowedErrorsAction = AddEntry(options, "Allowed Errors", "AllowedErrors1");
  Maximise = AddTick(options, "Maximise", "Maximise1", false);

  QMenu* answers = bar->addMenu(QStringLiteral("Answers"));
  AnswersManualEntryAction = AddEntry(answers, "Manual Entry", "ManualEntry2");
  ScanAnswersAction = AddEntry(answers, "Scan Answers", "ScanAnswers");
  answers->addSeparator();
  SearchWordsHelpAction = AddEntry(answers, "Search Words Help", "SearchWordsHelp");  // does nothing

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  HelpAction = AddEntry(help, "&Glimmerset Help", "GlimmersetHelp");
  AboutAction = AddEntry(help, "&About", "About1");
  EmailAction = AddEntry(help, "Email Marlock", "EmailMarlock1");
  WebsiteAction = AddEntry(help, "Visit our Website", "VisitourWebsite1");

  Menus = {file, glimmerset, options, answers, help};
  ShowMenuPictures();
}

void TWordForm::ShowMenuPictures() {
  // Pictures beside the entries a user looks for one on; ticked entries show their tick instead.
  const std::pair<QAction*, MenuPicture> pictures[] = {
      {LoadGridAction, MenuPicture::LoadGrid},       {LoadAnswerListAction, MenuPicture::LoadList},
      {LoadGlimmersetAction, MenuPicture::LoadPuzzle}, {SaveGridAction, MenuPicture::SaveGrid},
      {SaveAnswersAction, MenuPicture::SaveList},    {SaveGlimmersetAction, MenuPicture::SavePuzzle},
      {CaptureAction, MenuPicture::Scanner},         {LoadGridScanAction, MenuPicture::LoadGrid},
      {LoadAnswerScanAction, MenuPicture::LoadList}, {PrintAction, MenuPicture::Print},
      {PrintPreviewAction, MenuPicture::PrintPreview}, {PrinterSetupAction, MenuPicture::PrinterSetup},
      {ExportPdfAction, MenuPicture::ExportPdf},
      {ExitAction, MenuPicture::Exit},               {ManualEntryAction, MenuPicture::GridEntry},
      {EditMenuItem, MenuPicture::GridEdit},         {ScanGridAction, MenuPicture::Scanner},
      {DemoAction, MenuPicture::Demo},               {AnswerFontAction, MenuPicture::Font},
      {GridFontAction, MenuPicture::Font},           {BackgroundAction, MenuPicture::Background},
      {OcrSoftwareAction, MenuPicture::Scanner},     {AnswersManualEntryAction, MenuPicture::ListEntry},
      {ScanAnswersAction, MenuPicture::Scanner},     {HelpAction, MenuPicture::Help},
      {AboutAction, MenuPicture::About},             {EmailAction, MenuPicture::Email},
      {WebsiteAction, MenuPicture::Website},
  };
  for (const auto& [action, picture] : pictures) action->setIcon(MenuIcon(picture));
}

void TWordForm::ConnectCommands() {
  const auto onClick = [this](TOvalButton* button, void (TWordForm::*handler)()) {
    connect(button, &TOvalButton::clicked, this, handler);
  };
  const auto onChoose = [this](QAction* action, void (TWordForm::*handler)()) {
    connect(action, &QAction::triggered, this, handler);
  };

  onClick(ExitBtn, &TWordForm::Exit1Click);
  onClick(ScanBtn, &TWordForm::ScanbtnClick);
  onClick(ScanAll, &TWordForm::ScanAllClick);
  onClick(GameBtn, &TWordForm::GameBtnClick);
  onClick(ClearBtn, &TWordForm::ClearClick);
  onClick(DemoBtn, &TWordForm::DemoBtnClick);
  onClick(OptionsBtn, &TWordForm::OptionsBtnClick);
  onClick(helpBtn, &TWordForm::HelpClick);
  onClick(ScannerBtn, &TWordForm::CaptureClick);
  onClick(answerbutton, &TWordForm::ManualEntry2Click);
  onClick(EditGrid, &TWordForm::EditGridClick);
  onClick(NewGridBtn, &TWordForm::EnterGridClick);
  onClick(MakeBtn, &TWordForm::MakeBtnClick);
  onClick(PrintBtn, &TWordForm::PrintClick);
  connect(Returnbtn, &QPushButton::clicked, this, &TWordForm::ReturnbtnClick);
  connect(SoundOn, &QCheckBox::toggled, this, &TWordForm::SoundOnClick);
  connect(ShowMenu, &QCheckBox::toggled, this, &TWordForm::ShowMenuClick);
  connect(ShowStatus, &QCheckBox::toggled, this, &TWordForm::ShowStatusClick);

  connect(word, &WordBox::keyDown, this, &TWordForm::wordKeyDown);
  connect(word, &QLineEdit::textEdited, this, [this](const QString& text) { Model().WordText = text.toStdString(); });
  connect(AList, &AnswerListView::picked, this, &TWordForm::SelChange);
  connect(gridPan_->view(), &GridView::cellPressed, this, &TWordForm::GridMouseDown);
  connect(gridPan_->view(), &GridView::pointerOverCell, this, &TWordForm::GridMouseMove);

  onChoose(LoadGridAction, &TWordForm::LoadGridClk);
  onChoose(LoadAnswerListAction, &TWordForm::LoadAnswerListClick);
  onChoose(LoadGlimmersetAction, &TWordForm::LoadGlimmersetClick);
  onChoose(SaveGridAction, &TWordForm::SaveGridClick);
  onChoose(SaveAnswersAction, &TWordForm::SaveAnswersClick);
  onChoose(SaveGlimmersetAction, &TWordForm::SaveGlimmersetClick);
  onChoose(CaptureAction, &TWordForm::CaptureClick);
  onChoose(LoadGridScanAction, &TWordForm::LoadGridScan);
  onChoose(LoadAnswerScanAction, &TWordForm::LoadAnswerScan);
  onChoose(PrintAction, &TWordForm::PrintClick);
  onChoose(PrintPreviewAction, &TWordForm::PrintPreview1Click);
  onChoose(PrinterSetupAction, &TWordForm::PrinterSetup1Click);
  onChoose(ExportPdfAction, &TWordForm::ExportPdfClick);
  onChoose(ExitAction, &TWordForm::Exit1Click);
  onChoose(ManualEntryAction, &TWordForm::EnterGridClick);
  onChoose(EditMenuItem, &TWordForm::EditGridClick);
  onChoose(ScanGridAction, &TWordForm::CaptureClick);
  onChoose(SolveMenu, &TWordForm::ScanbtnClick);
  onChoose(DemoAction, &TWordForm::Demo1Click);
  onChoose(AnswerFontAction, &TWordForm::AnswerFont1Click);
  onChoose(GridFontAction, &TWordForm::GridFontClick);
  onChoose(BackgroundAction, &TWordForm::Background1Click);
  onChoose(Sound, &TWordForm::SoundClick);
  onChoose(Regular, &TWordForm::RegularClick);
  onChoose(OcrSoftwareAction, &TWordForm::OCRSoftwareClick);
  onChoose(LocateFilesAction, &TWordForm::LocateFiles1Click);
  onChoose(LoadLast, &TWordForm::LoadLastClick);
  onChoose(AllowedErrorsAction, &TWordForm::AllowedErrors1Click);
  onChoose(Maximise, &TWordForm::Maximise1Click);
  onChoose(AnswersManualEntryAction, &TWordForm::ManualEntry2Click);
  onChoose(ScanAnswersAction, &TWordForm::CaptureClick);
  onChoose(HelpAction, &TWordForm::HelpClick);
  onChoose(AboutAction, &TWordForm::About1Click);
  onChoose(EmailAction, &TWordForm::EmailMarlock1Click);
  onChoose(WebsiteAction, &TWordForm::VisitourWebsite1Click);
}
