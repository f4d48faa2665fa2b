#include "app/c_info_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/buttons.h"
#include "ui/images.h"
#include "ui/manual.h"

namespace {

QLabel* Hyperlink(const QString& address, const QString& text, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(address, text), parent);
  label->setTextFormat(Qt::RichText);
  label->setTextInteractionFlags(Qt::TextBrowserInteraction);
  label->setOpenExternalLinks(true);  // the default browser
  return label;
}

// A line of facts the user may want to copy (a folder, a server's name).
QLabel* FactLine(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setAlignment(Qt::AlignCenter);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

CInfoDialog::CInfoDialog(QWidget* parent, const QString& version, const QString& registerPlace)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Informatii"));
  auto* layout = new QVBoxLayout(this);
  auto* picture = new QLabel(this);
  picture->setPixmap(ApplicationImage());
  layout->addWidget(picture, 0, Qt::AlignCenter);
  auto* title = new QLabel(QStringLiteral("Velka Asigurati"), this);
  QFont titleFont = title->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
  title->setFont(titleFont);
  layout->addWidget(title, 0, Qt::AlignCenter);
  for (const QString& line :
       {QStringLiteral("Aplicatie de raportare electronica"),
        QStringLiteral("a listelor de asigurati"), QStringLiteral("catre CASMB")}) {
    layout->addWidget(new QLabel(line, this), 0, Qt::AlignCenter);
  }
  QLabel* house = Hyperlink(HouseAddress(), HouseAddress(), this);
  house->setObjectName(QStringLiteral("link1101"));
  layout->addWidget(house, 0, Qt::AlignCenter);
  layout->addSpacing(8);
  layout->addWidget(FactLine(QStringLiteral("Versiune: ") + version, "version", this), 0,
                    Qt::AlignCenter);
  if (!registerPlace.isEmpty()) {
    layout->addWidget(FactLine(registerPlace, "registerNote", this), 0, Qt::AlignCenter);
  }
  layout->addWidget(FactLine(Licence(), "licence", this), 0, Qt::AlignCenter);
  layout->addSpacing(8);

  auto* manual = MakeButton(this, QStringLiteral("Manualul de utilizare"), "manual");
  connect(manual, &QPushButton::clicked, this, [this] { ShowManual({}, this); });
  auto* close = MakeButton(this, QStringLiteral("Iesire"), "close");
  close->setDefault(true);  // Enter closes the window, as Esc does
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(manual);
  buttons->addWidget(close);
  buttons->addStretch();
  layout->addLayout(buttons);
}
