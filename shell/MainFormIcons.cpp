// The images of the main window's commands, drawn here so that the program
// needs no image files: small flat pictures in the manner of a classic tool
// bar (24 x 24, with a 48 x 48 form for high-density screens).
#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <array>
#include <cmath>

#include "shell/MainForm.h"

namespace {

const QColor kInk(60, 60, 70);
const QColor kPaper(250, 250, 245);
const QColor kBlue(52, 101, 164);
const QColor kYellow(237, 201, 72);
const QColor kGreen(78, 154, 6);
const QColor kRed(204, 0, 0);
const QColor kGrey(186, 189, 182);

// A sheet of paper with a folded corner, in the 24-unit square.
void DrawPaper(QPainter& p, const QRectF& r) {
    const qreal fold = 5;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void DrawPrinter(QPainter& p) {
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3, 10, 7));  // paper going in
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 15, 10, 6));  // paper coming out
    p.drawLine(QPointF(9, 17.5), QPointF(15, 17.5));
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(18, 12), 1, 1);
}

void DrawIcon(QPainter& p, int index) {
    p.setPen(QPen(kInk, 1.2));
    switch (index) {
        case 0: {  // new base: a fresh sheet with a star
            DrawPaper(p, QRectF(4, 2, 15, 20));
            p.setBrush(kYellow);
            QPainterPath star;
            for (int k = 0; k < 10; ++k) {
                const qreal a = 3.14159265 / 5 * k - 3.14159265 / 2;
                const qreal r = (k % 2) ? 2.2 : 5.0;
                const QPointF q(17 + r * std::cos(a), 17 + r * std::sin(a));
                k == 0 ? star.moveTo(q) : star.lineTo(q);
            }
            star.closeSubpath();
            p.drawPath(star);
            break;
        }
        case 1: {  // open: a folder
            p.setBrush(kYellow.darker(115));
            p.drawRect(QRectF(2, 6, 18, 14));
            p.drawRect(QRectF(2, 4, 7, 3));
            p.setBrush(kYellow);
            QPolygonF front;
            front << QPointF(5, 10) << QPointF(22, 10) << QPointF(20, 20) << QPointF(2, 20);
            p.drawPolygon(front);
            break;
        }
        case 2: {  // save: a diskette
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 3, 12, 7));
            p.setBrush(kGrey);
            p.drawRect(QRectF(7, 14, 10, 7));
            p.setBrush(kInk);
            p.drawRect(QRectF(14, 4.5, 2, 4));
            break;
        }
        case 3: {  // clear: an eraser over a sheet
            DrawPaper(p, QRectF(3, 2, 14, 19));
            p.save();
            p.translate(15, 15);
            p.rotate(-40);
            p.setBrush(kRed.lighter(130));
            p.drawRect(QRectF(-7, -3.5, 9, 7));
            p.setBrush(kPaper);
            p.drawRect(QRectF(2, -3.5, 5, 7));
            p.restore();
            break;
        }
        case 4: {  // switch windows: two windows and an arrow
            p.setBrush(kPaper);
            p.drawRect(QRectF(2, 3, 12, 10));
            p.setBrush(kBlue);
            p.drawRect(QRectF(2, 3, 12, 2.5));
            p.setBrush(kPaper);
            p.drawRect(QRectF(10, 11, 12, 10));
            p.setBrush(kBlue);
            p.drawRect(QRectF(10, 11, 12, 2.5));
            p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(5, 16), QPointF(8, 19));
            p.drawLine(QPointF(8, 19), QPointF(5, 22));
            break;
        }
        case 5:  // print
            DrawPrinter(p);
            break;
        case 6: {  // print set-up: the printer and a gear
            p.save();
            p.translate(-2, -2);
            DrawPrinter(p);
            p.restore();
            QPainterPath gear;
            const QPointF c(17, 17);
            for (int k = 0; k < 16; ++k) {
                const qreal a = 3.14159265 / 8 * k;
                const qreal r = (k % 2) ? 4.6 : 6.6;
                const qreal half = 3.14159265 / 16;
                const QPointF q1(c.x() + r * std::cos(a - half), c.y() + r * std::sin(a - half));
                const QPointF q2(c.x() + r * std::cos(a + half), c.y() + r * std::sin(a + half));
                k == 0 ? gear.moveTo(q1) : gear.lineTo(q1);
                gear.lineTo(q2);
            }
            gear.closeSubpath();
            p.setBrush(kBlue);
            p.drawPath(gear);
            p.setBrush(kPaper);
            p.drawEllipse(c, 2, 2);
            break;
        }
        case 7: {  // calculate: a sheet with a drafted curve and a ruler
            DrawPaper(p, QRectF(3, 2, 15, 20));
            p.setPen(QPen(kBlue, 1.6));
            p.setBrush(Qt::NoBrush);
            QPainterPath curve;
            curve.moveTo(6, 18);
            curve.cubicTo(8, 8, 12, 14, 15, 5);
            p.drawPath(curve);
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kYellow);
            p.drawRect(QRectF(17, 6, 4, 16));
            for (int k = 0; k < 5; ++k) p.drawLine(QPointF(17, 8.5 + 3 * k), QPointF(19, 8.5 + 3 * k));
            break;
        }
        default:
            break;
    }
}

QPixmap RenderIcon(int index, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    DrawIcon(p, index);
    return pixmap;
}

// The drawn forms, 24 and 48 pixels wide, each drawn when first shown (the
// larger only on a high-density screen) and kept: the main window and the
// drawing window show some of the same.  Let go with the application,
// whose pixmaps they are.
constexpr int kIconCount = 8;
constexpr int kSmallSide = 24;
constexpr int kLargeSide = 48;

std::array<std::array<QPixmap, 2>, kIconCount>& DrawnForms() {
    static std::array<std::array<QPixmap, 2>, kIconCount> forms;
    return forms;
}

bool forgetRegistered = false;

void ForgetDrawnForms() {
    for (auto& forms : DrawnForms()) forms.fill(QPixmap());
    forgetRegistered = false;
}

const QPixmap& DrawnForm(int index, bool large) {
    QPixmap& form = DrawnForms()[size_t(index)][large ? 1 : 0];
    if (form.isNull()) {
        if (!forgetRegistered) {
            qAddPostRoutine(ForgetDrawnForms);
            forgetRegistered = true;
        }
        form = RenderIcon(index, large ? kLargeSide : kSmallSide);
    }
    return form;
}

// An icon of the two drawn forms that draws them only when they are shown;
// it answers as an icon holding both would: the form that fits the size
// asked (the smaller up to its size, else the larger), scaled down to that
// size when larger, and the style's rendering for the disabled, active and
// selected modes.
class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(int index) : index_(index) {}

    QIconEngine* clone() const override { return new DrawnIconEngine(index_); }
    QString key() const override { return QStringLiteral("ModrinDrawnIcon"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(kSmallSide, kSmallSide), QSize(kLargeSide, kLargeSide)};
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        QSize actual = FormSize(size);
        if (actual.width() > size.width() || actual.height() > size.height()) actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap = DrawnForm(index_, FormSize(size).width() == kLargeSide);
        const QSize actual = actualSize(size, mode, state);
        if (pixmap.size() != actual) pixmap = pixmap.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal) {
            QStyleOption option(0);
            option.palette = QGuiApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            if (!generated.isNull()) pixmap = generated;
        }
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    // The form an icon of both would take for this size.
    static QSize FormSize(const QSize& size) {
        const bool small = size.width() <= kSmallSide && size.height() <= kSmallSide;
        return small ? QSize(kSmallSide, kSmallSide) : QSize(kLargeSide, kLargeSide);
    }

    int index_;
};

}  // namespace

QIcon MainToolIcon(int index) {
    if (index < 0 || index >= kIconCount) return QIcon();
    return QIcon(new DrawnIconEngine(index));
}
