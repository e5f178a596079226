#include "shell/twip_control.h"

#include "platform/units.h"

#include <QWidget>

using platform::twipsToPixels;

void TwipControl::setLeft(double twips) { left_ = twips; apply(); }
void TwipControl::setTop(double twips) { top_ = twips; apply(); }
void TwipControl::setWidth(double twips) { width_ = twips; apply(); }
void TwipControl::setHeight(double twips) { height_ = twips; apply(); }

void TwipControl::Move(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    apply();
}

bool TwipControl::Visible() const { return !self_->isHidden(); }
void TwipControl::setVisible(bool visible) { self_->setVisible(visible); }

void TwipControl::apply()
{
    const QSize before = self_->size();
    self_->setGeometry(inset_ + twipsToPixels(left_), inset_ + twipsToPixels(top_), twipsToPixels(width_),
                       twipsToPixels(height_));
    if (self_->size() != before)
        sizeChanged();
}
