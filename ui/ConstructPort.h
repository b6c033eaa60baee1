#pragma once
// RunConstructWizard: the window side of UiPort::AskGridSize. It hands the suggested size to the
// wizard's memory, opens a new construction wizard modally and returns its answer.

#include "core/UiPort.h"

class QWidget;

glimmerset::SizeAnswer RunConstructWizard(int suggested, QWidget* parent);
