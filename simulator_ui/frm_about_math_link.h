#pragma once
// A label that reads as a link: blue, underlined, a pointing hand over it,
// and a click handler.
#include <QLabel>
#include <functional>

class AboutLink : public QLabel {
 public:
  AboutLink(const QString& text, QWidget* parent);

  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
