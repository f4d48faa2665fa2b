#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "health/annexes/annex_print.h"
#include "health/annexes/annex_save.h"
#include "print/print_surface.h"

class CClient;
class CListViewEx;
class Prompter;
class QLabel;
class QRadioButton;
class ReportPrinter;

// Step 4 of the report wizard, "Pasul 4: Generare de rapoarte": a company, one or all of its
// houses in the report month, and the reports of that choice, saved as the anexa 1A, 1B and
// 1C files onto the removable medium or into a chosen folder, or printed.
class CReportGenerateDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the step modally, unless the companies could not be read (shown by the client).
  static void Open(QWidget* parent, CClient& client, Prompter& prompter, int month);

  CReportGenerateDialog(QWidget* parent, CClient& client, Prompter& prompter, int month);
  ~CReportGenerateDialog() override;

  static QString Title() { return QStringLiteral("Pasul 4: Generare de rapoarte"); }

  // False when the companies could not be read: the step is then not shown.
  bool IsLoaded() const { return loaded_; }
  CListViewEx& Companies() { return *companies_; }
  CListViewEx& Houses() { return *houses_; }

  // Where removable volumes are looked for; the program's own lookup unless a test says
  // otherwise.
  void SetVolumeLookup(const QStringList& mountRoots,
                       const std::function<QStringList()>& mountedVolumes);

  // "Salveaza fisiere de raportare" with the choices on the form.
  SaveOutcome SaveFiles();
  // Where the print jobs go; the print dialog unless a test says otherwise.
  void SetPrinterChooser(PrinterChooser chooser);

  // "Tipareste": a single annex through the "Tiparire" form, several into one job.
  AnnexPrintOutcome Print();
  // "Salveaza ca PDF".
  AnnexPrintOutcome SavePdf();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWindow();
  QLayout* BuildLists();
  QWidget* BuildPrintGroup();
  QWidget* BuildSaveGroup();
  QWidget* BuildPanel();
  [[nodiscard]] bool LoadCompanies();
  void OnCompanySelected();
  void LoadHouses(const QString& cf);
  void RefreshPanel();
  SaveChoices Choices() const;
  AnnexPrintChoices PrintChoices() const;

  CClient& client_;
  Prompter& prompter_;
  const int month_;
  bool loaded_ = false;
  std::optional<QString> loadedCf_;  // the company whose houses are listed
  QStringList mountRoots_;
  std::function<QStringList()> mountedVolumes_;
  std::unique_ptr<ReportPrinter> printer_;

  CListViewEx* companies_ = nullptr;
  CListViewEx* houses_ = nullptr;
  QRadioButton* selectedHouse_ = nullptr;
  QRadioButton* allHouses_ = nullptr;
  QRadioButton* annexA_ = nullptr;
  QRadioButton* annexB_ = nullptr;
  QRadioButton* annexC_ = nullptr;
  QRadioButton* removable_ = nullptr;
  QRadioButton* folder_ = nullptr;
  QLabel* company_ = nullptr;
  QLabel* house_ = nullptr;
  QLabel* count_ = nullptr;
};
