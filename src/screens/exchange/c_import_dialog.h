#pragma once

#include <atomic>
#include <vector>

#include <QDialog>
#include <QString>

#include "exchange/import/import_file.h"
#include "exchange/import/import_store.h"

class CClient;
class CImportReasonLabel;
class CListViewEx;
class PreparedAhead;
class Prompter;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// What the two import screens share: the list of the file's records with "EROARE" appended
// (each row's text readable whole under the list and as its tip), the group of the company's
// data, opening the file and the save, which registers the company and hands every record to
// the screen's own record step. Rejected records turn red.
// While a file is read or saved the window repaints and takes input, its progress bar moves
// and everything that starts work is disabled; Esc (or "[ESC]   Renunta", or closing the
// window) during a save asks whether to stop it, and a stop comes between two records, so
// no record is left half written.
class CImportDialog : public QDialog {
  Q_OBJECT

 public:
  CListViewEx& Records() { return *records_; }
  // The fiscal code of the file's company, once a file was read.
  QString FiscalCode() const;

  static QString SavedMessage();
  static QString StopQuestion();
  static QString StoppedMessage(int done, int total);
  // Esc, "[ESC]   Renunta" and closing the window: during a save a request to stop it, while
  // a file is read nothing, otherwise the window closes.
  void reject() override;
  static QRgb RejectedColor() { return qRgb(255, 0, 0); }

 protected:
  struct Captions {
    QString title;
    QString open;
  };
  CImportDialog(QWidget* owner, CClient& client, Prompter& prompter, ImportLayout layout,
                const Captions& captions);
  // Builds the window; the screen adds its own controls to `extra` (above the company group).
  void Build();
  virtual void AddControls(QVBoxLayout& extra) { static_cast<void>(extra); }
  virtual void SetColumnKinds() = 0;
  // Called once before the records of a save; false stops the save.
  virtual bool PrepareSave() { return true; }
  // A record read and checked into what its statements need. Called on a thread of its own,
  // while the records before it are stored: it reads only what PrepareSave kept.
  virtual PreparedImport PrepareRecord(const ImportFields& fields) const = 0;
  // The record's statements, on the database thread.
  virtual ImportOutcome StoreRecord(const PreparedImport& record) = 0;

  CClient& Client() { return client_; }

 private:
  enum class Work { kNone, kReading, kSaving };

  QGroupBox* BuildCompanyGroup();
  void OpenFile();
  void ShowCompany(const std::optional<CompanyRecord>& registered);
  [[nodiscard]] bool StillImportable() const;
  void Save();
  [[nodiscard]] bool CheckCompany() const;
  enum class SaveEnd { kDone, kFailed, kStopped };
  [[nodiscard]] SaveEnd ProcessRecords();
  [[nodiscard]] bool StopConfirmed();
  void SetCompanyEnabled(bool enabled);
  // Work under way: the wait cursor, the progress bar, the controls that start work disabled.
  void SetBusy(Work work);
  DbfProgress ProgressReporter();
  SaveEnd SaveRecords(PreparedAhead& records, int rows, Prompter& relay);
  // The outcomes of the records from `first` on, in their rows.
  void ShowOutcomes(int first, const std::vector<ImportOutcome>& outcomes);

  CClient& client_;
  Prompter& prompter_;
  ImportLayout layout_;
  Captions captions_;
  CListViewEx* records_ = nullptr;
  CImportReasonLabel* reasons_ = nullptr;
  QWidget* controls_ = nullptr;  // everything on the side that starts work
  Work work_ = Work::kNone;
  std::atomic<bool> stopAsked_ = false;  // set by the window, read by the save
  bool cfChecked_ = false;               // the file's fiscal code passes its check
  int processed_ = 0;                    // records handled by the current save
  QGroupBox* company_ = nullptr;
  QLineEdit* denumire_ = nullptr;
  QLineEdit* cf_ = nullptr;
  QLineEdit* regCom_ = nullptr;
  QLineEdit* repr_ = nullptr;
  QLineEdit* ziuaLic_ = nullptr;
  QRadioButton* sameMonth_ = nullptr;
  QRadioButton* nextMonth_ = nullptr;
  QPushButton* save_ = nullptr;
  QProgressBar* progress_ = nullptr;
};
