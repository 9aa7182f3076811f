#include "Unit2.h"

#include <QLabel>

#include "bevel_panel.h"
#include "window_flags.h"
#include "window_font.h"

TForm2::TForm2(QWidget* owner)
    : QWidget(owner, tavrik::ui::kDialogWindowFlags),
      Panel1(new BevelPanel(this)),
      StaticText3(new QLabel(QStringLiteral("V 1.1   30-04-2022"), Panel1)),
      StaticText1(new QLabel(QStringLiteral("Program by ZORVAK"), Panel1)),
      StaticText2(new QLabel(QStringLiteral("www.zorvak.example"), Panel1)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral(" About"));
  setFont(tavrik::ui::WindowFont());
  // Sizes in pixels, whatever the screen's density.
  setFixedSize(352, 145);

  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(16, 16, 321, 113);

  StaticText3->setObjectName(QStringLiteral("StaticText3"));
  StaticText3->move(112, 24);
  StaticText3->adjustSize();

  const struct {
    QLabel* label;
    const char* name;
    QRect box;
  } boxed[] = {{StaticText1, "StaticText1", {88, 48, 145, 17}},
               {StaticText2, "StaticText2", {96, 72, 131, 17}}};
  for (const auto& text : boxed) {
    text.label->setObjectName(QLatin1String(text.name));
    text.label->setGeometry(text.box);
    text.label->setAlignment(Qt::AlignCenter);
  }

  QFont link = StaticText2->font();
  link.setUnderline(true);
  StaticText2->setFont(link);
  QPalette blue = StaticText2->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  StaticText2->setPalette(blue);
  StaticText2->setCursor(Qt::PointingHandCursor);
}
