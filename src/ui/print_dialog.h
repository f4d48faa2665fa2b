#pragma once

#include "print/print_surface.h"

class QWidget;

// The printer choice of the screens: the print dialog when the user is asked (it offers
// printing to a PDF file where no printer is installed), the default printer otherwise.
PrinterChooser DialogPrinterChooser(QWidget* parent);
