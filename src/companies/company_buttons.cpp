#include "companies/company_buttons.h"

#include <QPushButton>

#include "companies/company_list.h"
#include "ui/c_list_view_ex.h"

namespace {

QPushButton* MakeButton(QWidget& parent, const char* caption, const char* name) {
  auto* button = new QPushButton(QLatin1String(caption), &parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);  // Enter does nothing on a panel
  return button;
}

}  // namespace

CompanyButtons MakeCompanyButtons(QWidget& panel, CompanyList& list, CListViewEx& view,
                                  FinalQuestion finalQuestion,
                                  const std::function<void()>& changed) {
  CompanyButtons buttons{MakeButton(panel, "Adauga societate", "addCompany"),
                         MakeButton(panel, "Modifica societate", "modifyCompany"),
                         MakeButton(panel, "Sterge societate", "deleteCompany")};
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
  return buttons;
}
