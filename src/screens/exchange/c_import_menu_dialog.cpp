#include "screens/exchange/c_import_menu_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/exchange/c_import_external_dialog.h"
#include "screens/exchange/c_import_previous_dialog.h"
#include "screens/exchange/c_verify_files_dialog.h"
#include "store/prompter.h"
#include "ui/buttons.h"
#include "ui/manual.h"
#include "ui/modal.h"

namespace {

// The manual's chapter on the files the two imports read.
const QString kImportLayouts = QStringLiteral("Formatul fisierelor de import");

QLabel* MakeNote(QWidget* parent, const QString& text) {
  auto* note = new QLabel(text, parent);
  note->setWordWrap(true);
  note->setIndent(12);
  return note;
}

}  // namespace

CImportMenuDialog::CImportMenuDialog(QWidget* owner, CClient* client, Prompter* prompter)
    : CPanelDialog(owner, client, prompter) {
  setWindowTitle(Title());
  auto* health = new QGroupBox(QStringLiteral("   Sanatate - 6 + 6.5%   "), this);
  auto* external =
      MakeButton(health, QStringLiteral("Importa date din sursa externa"), "importExternal");
  auto* previous = MakeButton(health, QStringLiteral("Importa date dintr-o raportare anterioara"),
                              "importPrevious");
  auto* group = new QVBoxLayout(health);
  group->addWidget(external);
  group->addWidget(
      MakeNote(health, QStringLiteral("vezi manualul de utilizare pentru formatul fisierului")));
  auto* layouts =
      MakeButton(health, QStringLiteral("Formatul fisierelor in manual"), "manualLayouts");
  // Under the note it belongs to, with room about its caption.
  layouts->setMinimumWidth(layouts->sizeHint().width() +
                           4 * layouts->fontMetrics().averageCharWidth());
  auto* layoutsRow = new QHBoxLayout;
  layoutsRow->addSpacing(12);
  layoutsRow->addWidget(layouts);
  layoutsRow->addStretch();
  group->addLayout(layoutsRow);
  group->addSpacing(8);
  group->addWidget(previous);
  group->addWidget(MakeNote(
      health, QStringLiteral("importa fisiere raportate deja catre CAS intr-o luna anterioara")));
  auto* verify = MakeButton(
      this, QStringLiteral("Verifica fisiere de raportare generate cu alta aplicatie"), "verify");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(health);
  layout->addWidget(verify);
  layout->addStretch();
  setMinimumSize(400, 300);

  connect(external, &QPushButton::clicked, this, [this] {
    CImportExternalDialog screen(this, *Client(), *GetPrompter());
    RunModal(screen);
  });
  connect(previous, &QPushButton::clicked, this, [this] {
    CImportPreviousDialog screen(this, *Client(), *GetPrompter());
    RunModal(screen);
  });
  connect(layouts, &QPushButton::clicked, this, [this] { ShowManual(kImportLayouts, this); });
  connect(verify, &QPushButton::clicked, this, [this] {
    CVerifyFilesDialog screen(this, *GetPrompter());
    RunModal(screen);
  });
}
