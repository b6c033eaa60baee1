// TAbout: the parts of the about dialog at their places in the form.
#include "MarlockAbout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "getver.h"

namespace {

QLabel* MakeLine(QWidget* form, const char* name, int top, const QString& text) {
  auto* label = new QLabel(form);
  label->setObjectName(QString::fromLatin1(name));
  label->move(32, top);
  TAbout::SetLine(label, text);
  return label;
}
}  // namespace

// The built-in logo lives in this static library's resources, which must be registered (outside
// any namespace).
static void RegisterLogo() { Q_INIT_RESOURCE(controls); }

TAbout::TAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
  RegisterLogo();
  setObjectName(QStringLiteral("About"));
  setWindowTitle(QStringLiteral("About"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  resize(180, 254);

  WTitle = MakeLine(this, "WTitle", 15, QStringLiteral("Application Title"));
  WCopyright = MakeLine(this, "WCopyright", 30, QString());
  WAuthor = MakeLine(this, "WAuthor", 45, QString());
  WVersion = MakeLine(this, "WVersion", 60, QStringLiteral("WVersion"));

  Logo = new QLabel(this);
  Logo->setObjectName(QStringLiteral("Logo"));
  Logo->setGeometry(8, 80, 137, 121);
  Logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Logo->setAttribute(Qt::WA_TranslucentBackground);
  SetLogoPicture(QPixmap(QStringLiteral(":/controls/MarlockLogo.png")));

  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setObjectName(QStringLiteral("OkButton"));
  OkButton->setGeometry(40, 218, 97, 25);
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

  GetVersion = new TGetVersionInfoFromFile(this);
  GetVersion->setObjectName(QStringLiteral("GetVersion"));
}

void TAbout::SetLogoPicture(const QPixmap& picture) {
  logoPicture_ = picture;
  Logo->setPixmap(picture);
}

void TAbout::SetLine(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

void TAbout::CentreOnScreen() {
  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!shown) return;
  const QRect area = shown->availableGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}
