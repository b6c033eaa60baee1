#include "ConstructPort.h"

#include "Construct.h"

glimmerset::SizeAnswer RunConstructWizard(int suggested, QWidget* parent) {
  glimmerset::WizardMemory& memory = glimmerset::ProgramWizardMemory();
  memory.WizardSize = suggested;
  TConstructWiz wizard(memory, parent);
  wizard.exec();
  return wizard.Answer();
}
