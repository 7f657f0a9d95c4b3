// SPDX-License-Identifier: MIT
// A horizontal design line: a solid stroke in the window text colour,
// placed from twips with its thickness in pixels.
#pragma once

#include <QWidget>

#include "ui/design/main_window.h"

namespace zembra {

class LineControl final : public QWidget {
public:
    LineControl(QWidget* parent, const design::LineDesign& design);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zembra
