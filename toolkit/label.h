// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

#include <QLabel>

namespace toolkit {

// Static text in an opaque box. Its Left is kept in twips as a float, so a
// handler that moves it by fractions of a pixel reads back exactly what it
// wrote; the box itself sits on the nearest whole pixel.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(const Control& row, QWidget* parent);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    void setBackColor(Bgr colour);

    float leftTwips() const { return left_; }
    void setLeftTwips(float left);
    float widthTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    bool bordered_;
    bool autoSize_;
    float left_;
    float top_;
};

} // namespace toolkit
