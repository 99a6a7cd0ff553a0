// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

#include <QWidget>

namespace toolkit {

// A group box: an etched border with its caption set into the top edge, filled
// with its BackColor. The controls inside it are placed from its outer top-left
// corner.
class Frame : public QWidget {
    Q_OBJECT
public:
    Frame(const Control& row, QWidget* parent);

    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor backColor_;
    QColor foreColor_;
};

} // namespace toolkit
