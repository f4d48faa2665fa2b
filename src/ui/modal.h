#pragma once

#include <functional>

class QDialog;

// Every modal form is opened through RunModal, so that a test can drive the form that
// appears instead of blocking in its event loop.
int RunModal(QDialog& dialog);

// While set, RunModal shows the form, hands it to the driver and returns the form's result
// once the driver returns (the driver accepts or rejects it). Tests only.
using ModalDriver = std::function<void(QDialog&)>;
void SetModalDriver(ModalDriver driver);
