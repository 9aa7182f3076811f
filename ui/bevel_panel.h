// BevelPanel: a white panel framed by a lowered outer bevel with a raised
// inner bevel inside it, the frame of the About window's text.
#ifndef TAVRIK_UI_BEVEL_PANEL_H_
#define TAVRIK_UI_BEVEL_PANEL_H_

#include <QWidget>

class BevelPanel : public QWidget {
  Q_OBJECT

 public:
  explicit BevelPanel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

#endif  // TAVRIK_UI_BEVEL_PANEL_H_
