#pragma once

#include <QStringList>
#include <memory>
#include <vector>

#include "leave/certificates/certificate_store.h"
#include "leave/output/declaration_files.h"
#include "print/print_surface.h"
#include "ui/c_panel_dialog.h"

class CCurrentCompanyLabel;
class CListViewEx;
class CompanyList;
class QLabel;
class QLayout;
class QRadioButton;
class QWidget;

// The "Declaratia de concedii medicale" panel of the main menu: the companies, the selected
// company's monthly declarations, the selected declaration's certificates and its figures D
// to N, with the company, declaration and certificate actions, the printout and the files.
class CLeaveDeclarationsDialog : public CPanelDialog {
  Q_OBJECT

 public:
  CLeaveDeclarationsDialog(QWidget* owner, CClient* client, Prompter* prompter);
  ~CLeaveDeclarationsDialog() override;

  static QString Title() { return QStringLiteral("Declaratia de concedii medicale"); }

  CListViewEx& CompaniesView() { return *companies_; }
  CListViewEx& DeclarationsView() { return *declarations_; }
  CListViewEx& CertificatesView() { return *certificates_; }
  // The ten lines D to N as shown; empty texts while no declaration is selected.
  QStringList PanelLines() const;
  // "Salveaza fisiere de raportare" writes to the removable volume, else to a chosen folder.
  bool SavesToDiskette() const;

  QSize sizeHint() const override;

  // Where the printout goes and where removable media are looked for; tests supply their own.
  void SetPrinterChooser(PrinterChooser chooser) { printerChooser_ = std::move(chooser); }
  void SetFilesSeams(FilesSeams seams) { filesSeams_ = std::move(seams); }
  bool SelectCompany(const QString& cf) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWindow();
  QLayout* BuildCompanyColumn();
  QLayout* BuildDeclarationColumn();
  QLayout* BuildFiguresColumn();
  QLayout* BuildCertificates();
  void ConnectSelections();
  // The history keys of the declarations and the certificates.
  void AttachHistory();

  void OnCompanySelected();
  void OnDeclarationSelected();
  void RefreshCompany();
  void ShowFigures(qint64 declaration);
  void ClearDeclaration();
  // The selected row of the list, or -1 after telling the user what is missing.
  int SelectedOrRefuse(const CListViewEx& list, const char* refusal) const;

  void AddDeclaration();
  void ModifyDeclaration();
  void DeleteDeclaration();
  void AddCertificate();
  void ModifyCertificate();
  void DeleteCertificate();
  std::optional<qint64> SelectedDeclaration() const;
  void PrintDeclaration();
  void SaveDeclarationPdf();
  void SaveReportFiles();
  // F7: the month overview of the selected declaration's month, else of the previous month.
  void OpenOverview();
  // The selected declaration when its certificates may change, else nothing after telling
  // the user that a later rectification of the month holds it (`refusal` says what not).
  std::optional<CertificateDeclaration> OpenDeclaration(const char* refusal);
  QString SelectedCompanyName() const;
  qint64 CertificateIndexAt(int row) const;
  void ShowCertificateRow(int row, const SavedCertificate& certificate, bool rectifying);

  static constexpr int kNoRowHandled = -2;
  static constexpr int kPreferredHeight = 580;

  CListViewEx* companies_ = nullptr;
  CListViewEx* declarations_ = nullptr;
  CListViewEx* certificates_ = nullptr;
  std::unique_ptr<CompanyList> companyList_;
  CCurrentCompanyLabel* currentCompany_ = nullptr;
  std::vector<QLabel*> lines_;
  QRadioButton* toDiskette_ = nullptr;
  QRadioButton* toFolder_ = nullptr;
  PrinterChooser printerChooser_;
  FilesSeams filesSeams_;
  // The rows last used to fill the dependent lists: a repeated notification for the same row
  // of the same rows does nothing.
  int handledCompany_ = -1;
  int handledDeclaration_ = -1;
};
