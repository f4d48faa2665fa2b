#pragma once

#include <functional>

#include "companies/company_delete.h"

class CListViewEx;
class CompanyList;
class QPushButton;
class QWidget;

struct CompanyButtons {
  QPushButton* add = nullptr;
  QPushButton* modify = nullptr;
  QPushButton* remove = nullptr;
};

// The company buttons of a panel over its company list: "Adauga societate", "Modifica
// societate" (a double click on a company does the same) and "Sterge societate" with the
// panel's final question. `changed` runs after each action that changed the list, so the
// panel shows the current company afresh: a new one, a new name or fiscal code, or another
// company at the deleted one's place. The list gets its history keys too.
CompanyButtons MakeCompanyButtons(QWidget& panel, CompanyList& list, CListViewEx& view,
                                  FinalQuestion finalQuestion,
                                  const std::function<void()>& changed);
