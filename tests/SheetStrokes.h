// What a sheet receives from a drawing, call by call: the lines with their
// pixel ends and pen width, and the texts with their place, in the order
// they were drawn.  The canvas lists its own drawing (Canvas::KeepOps);
// this reads that list back.
#pragma once

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "kernel/DrawContext.h"
#include "kernel/Geometry.h"
#include "platform/Canvas.h"

struct Stroke {
    char kind = 0;                       // 'L' a line, 'T' a text
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // a line's ends; a text's corner in x0, y0
    int width = 0;                       // the pen's width
    int color = 0;                       // the pen's colour (Windows value)
    std::string text;

    bool From(int x, int y) const { return x0 == x && y0 == y; }
    bool To(int x, int y) const { return x1 == x && y1 == y; }
    double Length() const { return std::hypot(double(x1) - x0, double(y1) - y0); }
};

// The pixel of a point of the draft on the screen's context, as its lines
// are drawn.
struct Pixel {
    int x, y;
    explicit Pixel(const Vector& p) : x(ScreenDC.PixelX(p.x)), y(ScreenDC.PixelY(p.y)) {}
};

class SheetStrokes {
public:
    // Clears the canvas, runs `draw` and keeps what the canvas received.
    SheetStrokes(Canvas& canvas, const std::function<void()>& draw) {
        // The canvas lists its drawing from a fill of its whole device on;
        // a sheet's clearing covers only its part at a coarser scale.
        canvas.KeepOps(true);
        const int pen = canvas.PenColor();
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.SetBrushColor(kWinWhite);
        canvas.SetPenColor(kWinWhite);
        canvas.SetPenWidth(1);
        canvas.Rectangle(0, 0, 1 << 20, 1 << 20);
        canvas.SetPenColor(pen);
        draw();
        const bool valid = canvas.OpsValid();
        std::vector<Canvas::DrawnOp> ops = canvas.TakeOps();
        canvas.KeepOps(false);
        if (!valid) return;
        for (const Canvas::DrawnOp& op : ops) {
            if (op.background) continue;
            const Canvas::OpFields f = Canvas::ReadOp(op);
            Stroke s;
            s.kind = f.kind;
            s.color = f.penColor;
            s.width = f.penWidth;
            if (s.kind == 'L' && f.values.size() == 4) {
                s.x0 = f.values[0], s.y0 = f.values[1], s.x1 = f.values[2], s.y1 = f.values[3];
            } else if (s.kind == 'T' && f.values.size() == 2) {
                s.x0 = f.values[0], s.y0 = f.values[1];
                s.text = f.text;
            } else {
                continue;
            }
            all.push_back(s);
        }
    }

    std::vector<Stroke> all;

    // The place in `all` of the first text `text` at or after `from`; -1
    // when there is none.
    int TextAt(const std::string& text, int from = 0) const {
        for (int i = from; i < int(all.size()); ++i)
            if (all[i].kind == 'T' && all[i].text == text) return i;
        return -1;
    }
    // The texts in drawing order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Stroke& s : all)
            if (s.kind == 'T') texts.push_back(s.text);
        return texts;
    }
    // The place of the first line from a to b (either way when `eitherWay`),
    // at or after `from`; -1 when there is none.
    int LineBetween(const Pixel& a, const Pixel& b, int from = 0, bool eitherWay = false) const {
        for (int i = from; i < int(all.size()); ++i) {
            const Stroke& s = all[i];
            if (s.kind != 'L') continue;
            if (s.From(a.x, a.y) && s.To(b.x, b.y)) return i;
            if (eitherWay && s.From(b.x, b.y) && s.To(a.x, a.y)) return i;
        }
        return -1;
    }
    // The place of the first text and of the last line in `color`; -1
    // when none.
    int FirstText() const {
        for (int i = 0; i < int(all.size()); ++i)
            if (all[i].kind == 'T') return i;
        return -1;
    }
    int LastLine(int color) const {
        for (int i = int(all.size()) - 1; i >= 0; --i)
            if (all[i].kind == 'L' && all[i].color == color) return i;
        return -1;
    }
};
