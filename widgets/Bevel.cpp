#include "widgets/Bevel.h"

#include <QPainter>

#include <utility>

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape s)
{
    if (shape_ != s) {
        shape_ = s;
        Invalidate();
    }
}

void TBevel::SetStyle(TBevelStyle s)
{
    if (style_ != s) {
        style_ = s;
        Invalidate();
    }
}

void TBevel::Paint(QPainter& p)
{
    QColor c1 = ColorToQColor(clBtnShadow), c2 = ColorToQColor(clBtnHighlight);
    if (style_ == TBevelStyle::bsRaised)
        std::swap(c1, c2);
    const int w = width_, h = height_;
    auto box = [&](int x, int y, int bw, int bh, const QColor& tl, const QColor& br) {
        p.setPen(tl);
        p.drawLine(x, y, x + bw - 1, y);
        p.drawLine(x, y, x, y + bh - 1);
        p.setPen(br);
        p.drawLine(x + bw - 1, y, x + bw - 1, y + bh - 1);
        p.drawLine(x, y + bh - 1, x + bw - 1, y + bh - 1);
    };
    switch (shape_) {
    case TBevelShape::bsBox: box(0, 0, w, h, c1, c2); break;
    case TBevelShape::bsFrame:
        box(0, 0, w - 1, h - 1, c1, c1);
        box(1, 1, w - 1, h - 1, c2, c2);
        break;
    case TBevelShape::bsTopLine:
        p.setPen(c1), p.drawLine(0, 0, w - 1, 0);
        p.setPen(c2), p.drawLine(0, 1, w - 1, 1);
        break;
    case TBevelShape::bsBottomLine:
        p.setPen(c1), p.drawLine(0, h - 2, w - 1, h - 2);
        p.setPen(c2), p.drawLine(0, h - 1, w - 1, h - 1);
        break;
    case TBevelShape::bsLeftLine:
        p.setPen(c1), p.drawLine(0, 0, 0, h - 1);
        p.setPen(c2), p.drawLine(1, 0, 1, h - 1);
        break;
    case TBevelShape::bsRightLine:
        p.setPen(c1), p.drawLine(w - 2, 0, w - 2, h - 1);
        p.setPen(c2), p.drawLine(w - 1, 0, w - 1, h - 1);
        break;
    case TBevelShape::bsSpacer: break;
    }
}

const ClassInfo& TBevel::StaticClass()
{
    static const ClassInfo info("TBevel", &TGraphicControl::StaticClass(),
                                [](TComponent* o) -> TComponent* { return new TBevel(o); },
                                {
                                    prop::Enum<TBevel, TBevelShape>("Shape", &TBevel::Shape, &TBevel::SetShape,
                                                                    {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine",
                                                                     "bsLeftLine", "bsRightLine", "bsSpacer"},
                                                                    TBevelShape::bsBox),
                                    prop::Enum<TBevel, TBevelStyle>("Style", &TBevel::Style, &TBevel::SetStyle,
                                                                    {"bsLowered", "bsRaised"}, TBevelStyle::bsLowered),
                                });
    return info;
}
