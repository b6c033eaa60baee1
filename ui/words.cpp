// TWordForm: construction of the window and its controls, the places, sizes, colours and fonts
// they have on the form.
#include "words.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

#include "AnswerEntry.h"
#include "AnswerListView.h"
#include "EventPump.h"
#include "GridView.h"
#include "QtSoundPlayer.h"
#include "WindowBackground.h"
#include "WindowFileChooser.h"
#include "WordBox.h"
#include "controls/FmxUtils.h"
#include "controls/KURL2.h"
#include "controls/MarlockAboutBox.h"
#include "controls/OvalButton.h"
#include "files/ProgramFolder.h"
#include "files/SettingsStore.h"

using namespace glimmerset;
using namespace glimmerset::ui;

namespace {

constexpr int ButtonTop = 48;
constexpr int ButtonWidth = 89;
constexpr int ButtonHeight = 25;

QFont PixelFont(const QString& family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

struct OvalButtonLook {
  const char* name;
  const char* caption;
  int left;
  int top;
  QColor face;
  QColor text;
  const char* hint;
};

TOvalButton* MakeOvalButton(QWidget* parent, const OvalButtonLook& look) {
  auto* button = new TOvalButton(QString::fromUtf8(look.caption), parent);
  button->setObjectName(QString::fromLatin1(look.name));
  button->setGeometry(look.left, look.top, ButtonWidth, ButtonHeight);
  button->setFaceColor(look.face);
  button->setTextColor(look.text);
  button->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 16, true));
  if (look.hint) button->setToolTip(QString::fromUtf8(look.hint));
  return button;
}

// The Windows palette colours the form names.
const QColor Purple(0x80, 0x00, 0x80), Green(0x00, 0x80, 0x00), Teal(0x00, 0x80, 0x80), Aqua(0x00, 0xFF, 0xFF),
    Gray(0x80, 0x80, 0x80), Fuchsia(0xFF, 0x00, 0xFF), Yellow(0xFF, 0xFF, 0x00), Olive(0x80, 0x80, 0x00),
    Red(0xFF, 0x00, 0x00), Silver(0xC0, 0xC0, 0xC0), Lime(0x00, 0xFF, 0x00), White(Qt::white), Black(Qt::black);

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* caption, int top, const char* hint) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(24, top, 233, 21);
  QPalette whiteText = box->palette();
  whiteText.setColor(QPalette::WindowText, Qt::white);
  box->setPalette(whiteText);
  box->setToolTip(QString::fromUtf8(hint));
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

}  // namespace

// The program folder given (tests), or the one the program lies in.
static QString UseProgramFolder(const QString& given) {
  if (!given.isEmpty()) SetProgramFolder(given);
  return ProgramFolderPath();
}

// Starts a program through the launcher; its result is not needed.
static void StartProgram(const QString& file, const QString& parameters, const QString& folder, int showMode) {
  LaunchFile(file, parameters, folder, showMode);
}

// The window's pictures live in a resource of this static library; it must be registered.
static void RegisterWindowPictures() { Q_INIT_RESOURCE(ui); }

TWordForm::TWordForm(WindowSetup setup, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(UseProgramFolder(setup.ProgramFolder)),
      dialogs_(setup.Dialogs ? setup.Dialogs : std::make_shared<QtWindowDialogs>()),
      core_(std::make_unique<PuzzleCore>(*this)),
      pump_(std::make_unique<EventPump>([this] { FlushPendingViews(); })),
      enterGrid_(core_->session),
      lastFont_{QStringLiteral("MS Sans Serif"), QColor(Qt::black)} {
  RegisterWindowPictures();
  SoundPlayerFactory players = setup.Players;
  if (!players) players = [] { return std::make_unique<QtSoundPlayer>(); };
  sounds_ = std::make_unique<SoundEffects>(core_->session, std::move(players));
  settingsStore_ = setup.SettingsStore ? std::move(setup.SettingsStore) : [] {
    return std::make_unique<QSettings>(ProgramSettingsFormat(), QSettings::UserScope, QStringLiteral("Marlock"),
                                       QStringLiteral("Glimmerset"));
  };
  settings_ = DefaultProgramSettings();
  sounds_->SetSoundFolder(settings_.SoundFolder);
  chooser_ = std::make_unique<WindowFileChooser>(this, dialogs_);
  ProgramLauncher launcher = setup.Launcher;
  if (!launcher) launcher = StartProgram;
  files_ = std::make_unique<FileCommands>(core_->session, settings_, *chooser_, std::move(launcher));
  answersEntry_ = new TAnswersEntry(core_->session, this);
  PrintDialogs printing = std::move(setup.Printing);
  if (!printing.ShowMessage) printing.ShowMessage = [this](const QString& text) { dialogs_->ShowMessage(this, text); };
  QRForm = new TQRForm(Model(), this, std::move(printing));
  startupGrid_ = setup.StartupGrid;

  setObjectName(QStringLiteral("WordForm"));
  setWindowTitle(QStringLiteral("Glimmerset by MARLOCK"));
  setWindowFlag(Qt::FramelessWindowHint, true);
  setMinimumSize(kMinWidth, kMinHeight);
  setMaximumSize(kMaxWidth, kMaxHeight);
  resize(882, 554);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  helpFile_ = QStringLiteral("C:\\Glimmerset\\glimmerset.hlp");

  BuildControls();
  BuildOptionPanel();
  BuildLinkPanel();
  BuildAboutBox();
  BuildStatusBar();
  BuildMenus();
  ConnectCommands();

  RefreshStatus();
  RefreshCommands();
  RefreshLayout();
  gridPan_->applyLayout();
}

TWordForm::~TWordForm() = default;

void TWordForm::BuildControls() {
  Image1 = new WindowBackground(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  setCentralWidget(Image1);
  Image1->installEventFilter(this);
  QWidget* form = Image1;

  Image1->setPicture(QPixmap(QStringLiteral(":/ui/background.jpg")));

  // The eight decorative picture boxes; AL holds no picture.
  static constexpr std::array<const char*, 8> pictureNames = {"LL", "RL", "OL", "DL", "AL", "SL", "EL", "LD"};
  static constexpr std::array<QPoint, 8> pictureCorners = {
      {{200, 6}, {610, 6}, {560, 560}, {620, 560}, {680, 560}, {740, 560}, {800, 560}, {860, 560}}};
  for (std::size_t i = 0; i < Pictures.size(); ++i) {
    const QString name = QString::fromLatin1(pictureNames[i]);
    Pictures[i] = new QLabel(form);
    Pictures[i]->setObjectName(name);
    Pictures[i]->setGeometry(QRect(pictureCorners[i], QSize(40, 40)));
    Pictures[i]->setScaledContents(true);
    Pictures[i]->setAttribute(Qt::WA_TranslucentBackground);
    if (name != QLatin1String("AL")) Pictures[i]->setPixmap(QPixmap(QStringLiteral(":/ui/%1.png").arg(name)));
  }

  Label1 = new QLabel(QStringLiteral("GLIMMERSET"), form);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(248, 0, 354, 56);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setFont(PixelFont(QStringLiteral("Mural Script"), 48, true));
  Label1->setStyleSheet(QStringLiteral("QLabel { color: #00FF00; background: transparent; }"));

  const std::array<OvalButtonLook, 8> buttons = {{
      {"ExitBtn", "Exit", 8, ButtonTop, Purple, White, "Leave Glimmerset"},
      {"ScanBtn", "Find", 103, ButtonTop, Green, White, "Scan for Word"},
      {"ScanAll", "Solve", 198, ButtonTop, Green, Black, "Find All Answers"},
      {"GameBtn", "Play", 292, ButtonTop, Teal, Black, "Play the  Glimmerset Game"},
      {"ClearBtn", "Clear", 387, ButtonTop, Aqua, Black, "Clear Answers"},
      {"DemoBtn", "Demos", 483, ButtonTop, White, Black, "Play Demo Game"},
      {"OptionsBtn", "Options", 584, ButtonTop, Gray, White, "Glimmerset Options"},
      {"helpBtn", "Help", 685, ButtonTop, Fuchsia, Black, "Glimmerset Help"},
  }};
  std::array<TOvalButton**, 8> targets = {&ExitBtn, &ScanBtn, &ScanAll, &GameBtn, &ClearBtn, &DemoBtn, &OptionsBtn, &helpBtn};
  for (std::size_t i = 0; i < buttons.size(); ++i) *targets[i] = MakeOvalButton(form, buttons[i]);
  ScanAll->hide();  // shown by the start-up

  gridPan_ = new GridPanel(Model(), form);
  gridPan_->setObjectName(QStringLiteral("GridPan"));
  gridPan_->view()->setObjectName(QStringLiteral("Grid"));

  word = new WordBox(form);
  word->setObjectName(QStringLiteral("word"));
  word->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 24, false));
  word->setStyleSheet(QStringLiteral("QLineEdit { color: white; background: black; }"
                                     "QLineEdit:disabled { color: #808080; background: black; }"));

  AList = new AnswerListView(form);
  AList->setObjectName(QStringLiteral("AList"));
  AList->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13, false));
  AList->setToolTip(QStringLiteral("List of Words to Find"));
  AList->setStyleSheet(QStringLiteral("QListWidget { color: white; background: black; border: 4px solid #404040; }"));
}

void TWordForm::BuildOptionPanel() {
  OptionPanel = new QWidget(Image1);
  OptionPanel->setObjectName(QStringLiteral("OptionPanel"));
  OptionPanel->setGeometry(512, 104, 273, 409);
  OptionPanel->setAutoFillBackground(true);
  QPalette black = OptionPanel->palette();
  black.setColor(QPalette::Window, Qt::black);
  OptionPanel->setPalette(black);
  OptionPanel->hide();

  Label25 = new QLabel(QStringLiteral("Glimmerset Options"), OptionPanel);
  Label25->setObjectName(QStringLiteral("Label25"));
  Label25->setFont(PixelFont(QStringLiteral("Mural Script"), 27, false));
  Label25->setStyleSheet(QStringLiteral("QLabel { color: #00FFFF; }"));
  Label25->move(40, 8);
  Label25->adjustSize();

  ScannerBtn = MakeOvalButton(OptionPanel, {"ScannerBtn", "Aquire", 16, 48, Teal, Black, "Scan Glimmerset"});
  answerbutton = MakeOvalButton(OptionPanel, {"answerbutton", "Answers", 120, 48, Yellow, Black, "Enter or Edit an Answer List"});
  EditGrid = MakeOvalButton(OptionPanel, {"EditGrid", "EDIT", 16, 80, Olive, White, "Edit the existing Grid"});
  EditGrid->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13, true));
  NewGridBtn = MakeOvalButton(OptionPanel, {"NewGridBtn", "New", 120, 80, Red, Black, "Enter a New Grid"});
  MakeBtn = MakeOvalButton(OptionPanel, {"MakeBtn", "Make", 16, 112, Silver, Black, "Make a Glimmerset Game"});
  PrintBtn = MakeOvalButton(OptionPanel, {"PrintBtn", "Print", 120, 112, Lime, Black, nullptr});
  PrintBtn->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 16, false));
  for (TOvalButton* hidden : {ScannerBtn, answerbutton, MakeBtn, PrintBtn}) hidden->hide();  // shown by the start-up

  SoundOn = MakeCheckBox(OptionPanel, "SoundOn", "      Sound effects", 160, "Turn sound effects On or Off");
  SoundOn->setChecked(true);
  ShowMenu = MakeCheckBox(OptionPanel, "ShowMenu", "      Show Windows Menu", 188, "Click to access a wide range of extra functions");
  ShowStatus = MakeCheckBox(OptionPanel, "ShowStatus", "      Show Windows Status Bar", 216, "Display a Windows style status bar");
  ShowMenu->hide();
  ShowStatus->hide();

  Returnbtn = new QPushButton(QStringLiteral("Return to GlimmerSet"), OptionPanel);
  Returnbtn->setObjectName(QStringLiteral("Returnbtn"));
  Returnbtn->setGeometry(32, 352, 209, 41);
  Returnbtn->setFlat(true);
  Returnbtn->setFocusPolicy(Qt::NoFocus);
  Returnbtn->setFont(PixelFont(QStringLiteral("Book Antiqua"), 21, false));
  Returnbtn->setStyleSheet(QStringLiteral("QPushButton { color: white; background: transparent; border: none; }"));
}

void TWordForm::BuildLinkPanel() {
  Panel1 = new QWidget(Image1);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->hide();
  web = new TKURL2(Panel1);
  web->setObjectName(QStringLiteral("web"));
  web->setToolTip(QStringLiteral("Browse our website"));
  web->setURLorEMAIL(QStringLiteral("https://glimmerset.example.org/"));
  email = new TKURL2(Panel1);
  email->setObjectName(QStringLiteral("email"));
  email->setToolTip(QStringLiteral("email Marlock"));
  email->setChoose(TKURL2::LinkType::ltEMAIL);
  email->setURLorEMAIL(QStringLiteral("marlock@glimmerset.example.org"));
}

void TWordForm::BuildAboutBox() {
  AboutBox = new TMarlockAboutBox(this);
  AboutBox->setObjectName(QStringLiteral("AboutBox"));
  AboutBox->Title = QStringLiteral("Glimmerset");
  AboutBox->Caption = QStringLiteral("Glimmerset");
  AboutBox->Copyright = QStringLiteral("Copyright \u00A9 2026 Marlock");
  AboutBox->TextLeft = 20;
  AboutBox->TextCentered = true;
  AboutBox->Height = 150;
  AboutBox->Width = 170;
  AboutBox->DefaultIcon = true;
  AboutBox->setDialogRunner([this](QDialog& dialog) { return RunDialog(dialog); });
}

void TWordForm::BuildStatusBar() {
  static constexpr std::array<int, 6> widths = {180, 120, 100, 80, 110, 50};
  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("StatusBar"));
  bar->setSizeGripEnabled(false);
  // The panels sit edge to edge in a row of their own (the status bar would space its own items
  // apart), and the last one runs to the end of the bar, as on the platform's status bars.
  auto* row = new QWidget(bar);
  row->setObjectName(QStringLiteral("StatusPanels"));
  auto* panels = new QHBoxLayout(row);
  panels->setContentsMargins(0, 0, 0, 0);
  panels->setSpacing(0);
  for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
    StatusPanels[i] = new QLabel(row);
    StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    StatusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const bool last = i + 1 == StatusPanels.size();
    if (last)
      StatusPanels[i]->setMinimumWidth(widths[i]);
    else
      StatusPanels[i]->setFixedWidth(widths[i]);
    StatusPanels[i]->setSizePolicy(last ? QSizePolicy::Ignored : QSizePolicy::Fixed, QSizePolicy::Preferred);
    panels->addWidget(StatusPanels[i], last ? 1 : 0);
  }
  bar->addWidget(row, 1);
  setStatusBar(bar);
}
