// A line control: a one-pixel line between two points given in twips of its
// container, drawn in the window-text colour.
#pragma once

#include <QWidget>

namespace grizzet {

class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent = nullptr);

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void SetEnds(float x1, float y1, float x2, float y2);
    void SetY1(float y) { SetEnds(x1_, y, x2_, y2_); }
    void SetY2(float y) { SetEnds(x1_, y1_, x2_, y); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

}  // namespace grizzet
