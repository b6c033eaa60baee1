#pragma once
// RunConstructWizard: the window side of UiPort::AskGridSize. It hands the suggested size to the
// wizard's memory, opens a new construction wizard modally and returns its answer.

#include <functional>

#include "core/UiPort.h"

class QDialog;
class QWidget;

// runModal shows the wizard modally (the dialog's own exec() when empty).
glimmerset::SizeAnswer RunConstructWizard(int suggested, QWidget* parent,
                                          const std::function<int(QDialog&)>& runModal = {});
