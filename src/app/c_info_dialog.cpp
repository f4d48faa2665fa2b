#include "app/c_info_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/images.h"

namespace {

QLabel* Hyperlink(const QString& address, const QString& text, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(address, text), parent);
  label->setTextFormat(Qt::RichText);
  label->setTextInteractionFlags(Qt::TextBrowserInteraction);
  label->setOpenExternalLinks(true);  // the default browser
  return label;
}

}  // namespace

CInfoDialog::CInfoDialog(QWidget* parent, const QString& registerNote) : QDialog(parent) {
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
  QLabel* publisher = Hyperlink(PublisherAddress(), PublisherAddress(), this);
  publisher->setObjectName(QStringLiteral("link1102"));
  layout->addWidget(publisher, 0, Qt::AlignCenter);
  if (!registerNote.isEmpty()) {
    auto* note = new QLabel(registerNote, this);
    note->setObjectName(QStringLiteral("registerNote"));
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note, 0, Qt::AlignCenter);
  }
  auto* close = new QPushButton(QStringLiteral("Iesire"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignCenter);
}
