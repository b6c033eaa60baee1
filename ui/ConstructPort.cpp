#include "ConstructPort.h"

#include "Construct.h"

glimmerset::SizeAnswer RunConstructWizard(int suggested, QWidget* parent,
                                          const std::function<int(QDialog&)>& runModal) {
  glimmerset::WizardMemory& memory = glimmerset::ProgramWizardMemory();
  memory.WizardSize = suggested;
  TConstructWiz wizard(memory, parent);
  if (runModal)
    runModal(wizard);
  else
    wizard.exec();
  return wizard.Answer();
}
