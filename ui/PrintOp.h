#pragma once
// TQRForm: the printed puzzle page of the running program. Made once at start-up, it keeps the
// page's texts and the printer settings for the whole run and carries out Print, Print Preview
// and Printer Setup over them; the page itself is painted by the window-free page code.

#include <QDateTime>
#include <QObject>
#include <QPageLayout>
#include <QString>
#include <QPrinter>
#include <functional>
#include <optional>

#include "core/PuzzleModel.h"
#include "page/PrintPageText.h"

class QPrintDialog;
class QPrintPreviewDialog;
class QWidget;

namespace glimmerset::ui {

// The printer settings kept with the page. An empty printer name is the system's default
// printer; an output file prints into that PDF file instead of on a printer. A first and last
// page of 0 mean all pages. The colour mode chosen in Printer Setup is kept too, so a choice of
// colour made there is not lost; until then the printer's own default applies.
struct PrinterChoice {
  QString PrinterName;
  QString OutputFile;
  int Copies = 1;
  QPageLayout::Orientation Orientation = QPageLayout::Portrait;
  int FirstPage = 1;
  int LastPage = 1;
  std::optional<QPrinter::ColorMode> ColourMode;
};

// What the page's commands show the user; tests hand in their own.
struct PrintDialogs {
  std::function<int(QPrintDialog&)> RunSetup;            // empty: exec the dialog
  std::function<int(QPrintPreviewDialog&)> RunPreview;   // empty: exec the dialog
  std::function<void(const QString&)> ShowMessage;       // empty: a message box
  std::function<QDateTime()> Now;                        // empty: the clock
};

}  // namespace glimmerset::ui

class TQRForm : public QObject {
  Q_OBJECT

 public:
  TQRForm(const glimmerset::PuzzleModel& model, QWidget* window, glimmerset::ui::PrintDialogs dialogs = {});

  // Copies the current grid and answer list into the page.
  void FillPrintPage();
  // Fills the page, then prints it on the chosen printer with a progress window.
  void PrintClick();
  // Fills the page, then shows it in the preview window until that closes.
  void PrintPreview1Click();
  // Lets the user choose printer, copies, orientation and page range; Cancel changes nothing.
  void PrinterSetup1Click();

  bool Busy() const { return busy_; }
  const glimmerset::page::PrintPageText& Page() const { return page_; }
  const glimmerset::ui::PrinterChoice& Choice() const { return choice_; }

 private:
  // Sets the printer up for the page and the kept settings; false, after telling the user
  // why, when there is nothing to print on.
  bool PreparePrinter(QPrinter& printer, bool needPrinter);
  void PresetPrinter(QPrinter& printer) const;
  bool PaintPage(QPrinter& printer);
  void Tell(const QString& text);

  const glimmerset::PuzzleModel& model_;
  QWidget* window_;
  glimmerset::ui::PrintDialogs dialogs_;
  glimmerset::page::PrintPageText page_;
  glimmerset::ui::PrinterChoice choice_;
  bool busy_ = false;
};
