#pragma once

#include <QColor>
#include <QWidget>

namespace calquin::ui {

// A filled rectangle with a one-pixel border, drawn behind the counters. It takes no focus and
// no clicks: the labels in front of it stay readable and the bar stays decoration.
class Shape final : public QWidget {
public:
    Shape(QColor fill, QColor border, QWidget* parent);

    QColor fillColor() const { return fill_; }
    QColor borderColor() const { return border_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor border_;
};

}  // namespace calquin::ui
