#pragma once
// TDemoForm: the borderless green demo chooser behind the Demos button. Each of its five navy
// buttons loads one demonstration puzzle into the main window through the load function given
// (with the button's tag, 1 to 5) and the chooser stays open; "Return to Glimmerset" closes it.

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class TOvalButton;

class TDemoForm : public QDialog {
  Q_OBJECT

 public:
  // actressTopic and moviesTopic are the topic lines of demos 2 and 5.
  TDemoForm(std::function<void(int tag)> load, const QString& actressTopic, const QString& moviesTopic,
            QWidget* parent = nullptr);

  // The five demo buttons in tag order, the return button and the five topic labels.
  std::array<TOvalButton*, 5> DemoButtons;
  TOvalButton* OvalButton11;
  std::array<QLabel*, 5> Labels;

 private:
  void OvalButton1Click(int tag);
  void OvalButton11Click();

  std::function<void(int tag)> load_;
};
