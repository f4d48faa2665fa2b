#include "screens/companies/company_buttons.h"

#include <QPushButton>

#include "screens/companies/company_list.h"
#include "ui/buttons.h"
#include "ui/c_list_view_ex.h"

CompanyButtons MakeCompanyButtons(QWidget& panel, CompanyList& list, CListViewEx& view,
                                  FinalQuestion finalQuestion,
                                  const std::function<void()>& changed) {
  CompanyButtons buttons{MakeButton(&panel, "Adauga societate", "addCompany"),
                         MakeButton(&panel, "Modifica societate", "modifyCompany"),
                         MakeButton(&panel, "Sterge societate", "deleteCompany")};
  QObject::connect(buttons.add, &QPushButton::clicked, &panel, [&list, changed] {
    if (list.Add()) changed();
  });
  const auto modify = [&list, changed] {
    if (list.Modify()) changed();
  };
  QObject::connect(buttons.modify, &QPushButton::clicked, &panel, modify);
  QObject::connect(&view, &QAbstractItemView::doubleClicked, &panel, modify);
  QObject::connect(buttons.remove, &QPushButton::clicked, &panel, [&list, changed, finalQuestion] {
    if (list.Delete(finalQuestion)) changed();
  });
  list.AttachHistory(changed);
  return buttons;
}
