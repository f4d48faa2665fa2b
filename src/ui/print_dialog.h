#pragma once

#include <memory>

#include "print/print_surface.h"

class QPrinter;
class QWidget;

// The printer choice of the screens: the print dialog when the user is asked (it offers
// printing to a PDF file where no printer is installed), the default printer otherwise.
PrinterChooser DialogPrinterChooser(QWidget* parent);

// The printer for a text that flows over pages (the manual): the print dialog, where a range
// of pages may be chosen; none when the user cancels.
std::unique_ptr<QPrinter> AskForTextPrinter(QWidget* parent);
