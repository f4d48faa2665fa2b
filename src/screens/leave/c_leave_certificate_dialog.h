#pragma once

#include <optional>
#include <vector>

#include "leave/certificates/certificate_store.h"
#include "ui/c_record_form.h"

class CClient;
class CEditEx;
class Prompter;
class QComboBox;
class QLineEdit;

// The form of one medical certificate of a declaration: in an initial declaration the entry
// itself, in a rectifying one an operation on what the month's earlier declarations reported
// (A adds, M replaces, S deletes). While the CNP is typed it proposes the person's names and
// house from the company's earlier certificates or its active employees.
class CLeaveCertificateDialog : public CRecordFormOf<SavedCertificate> {
  Q_OBJECT

 public:
  [[nodiscard]] static std::optional<SavedCertificate> Add(
      QWidget* parent, CClient& client, Prompter& prompter,
      const CertificateDeclaration& declaration, const QString& companyName);
  [[nodiscard]] static std::optional<SavedCertificate> Modify(
      QWidget* parent, CClient& client, Prompter& prompter,
      const CertificateDeclaration& declaration, const QString& companyName, qint64 index);

  // In modify mode the entry with index `certificate` is read at once.
  CLeaveCertificateDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode,
                          const CertificateDeclaration& declaration, const QString& companyName,
                          qint64 certificate = 0);

 protected:
  std::optional<SavedCertificate> Save() override;

 private:
  void BuildHeader(const QString& companyName);
  void BuildTextFields(int section, int group);
  void BuildPerson();
  void BuildDeclarationType();
  void BuildCertificate();
  void BuildDays();
  void Load();
  void ShowHouse(const QString& code);
  CertificateValues ReadValues() const;
  // The user changed the CNP.
  void ProposePerson(const QString& typed);

  CClient& client_;
  Prompter& prompter_;
  const CertificateDeclaration declaration_;
  const qint64 certificate_;
  std::vector<QLineEdit*> inputs_;  // by position in the form's field table
  CEditEx* cnp_ = nullptr;
  QComboBox* house_ = nullptr;
  QComboBox* rectificationType_ = nullptr;
  QComboBox* indemnity_ = nullptr;
  QString rememberedCnp_;
};
