#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace vellgui::pictures {

namespace {

const QColor kNavy(0x1f, 0x3f, 0x6b);
const QColor kSky(0x3d, 0x8b, 0xd4);
const QColor kSkyLight(0xa9, 0xd3, 0xf5);
const QColor kAmber(0xe8, 0xa3, 0x3d);
const QColor kAmberDark(0xb9, 0x78, 0x1f);
const QColor kGreen(0x2e, 0x9e, 0x55);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kAsphalt(0x4a, 0x50, 0x58);

using Draw = std::function<void(QPainter&)>;

// Draws on a canvas of 32 x 32 units, scaled to the pixmap.
QPixmap render(int size, qreal dpr, const Draw& draw) {
    QPixmap pm(QSize(size, size) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    return pm;
}

QIcon icon(const Draw& draw) {
    QIcon result;
    for (int size : {16, 20, 24, 32, 48, 64}) result.addPixmap(render(size, 1.0, draw));
    return result;
}

// An airliner seen from above, nose pointing up, centred at the origin,
// about 2 units long; the caller translates, rotates and scales.
QPainterPath planePath() {
    QPainterPath p;
    // Fuselage.
    p.addRoundedRect(QRectF(-0.13, -1.0, 0.26, 2.0), 0.13, 0.13);
    // Wings.
    QPolygonF wings{{-0.1, -0.25}, {-1.0, 0.25}, {-1.0, 0.42}, {-0.1, 0.18},
                    {0.1, 0.18},   {1.0, 0.42},  {1.0, 0.25},  {0.1, -0.25}};
    p.addPolygon(wings);
    // Tail.
    QPolygonF tail{{-0.06, 0.62}, {-0.42, 0.9}, {-0.42, 1.0}, {0.0, 0.86},
                   {0.42, 1.0},   {0.42, 0.9},  {0.06, 0.62}};
    p.addPolygon(tail);
    p.setFillRule(Qt::WindingFill);
    return p;
}

void drawPlane(QPainter& p, QPointF at, qreal size, qreal angle, const QColor& fill) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(size / 2.0, size / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(planePath());
    p.restore();
}

void drawLogo(QPainter& p) {
    QRadialGradient sky(QPointF(12, 10), 22);
    sky.setColorAt(0.0, kSkyLight);
    sky.setColorAt(1.0, kSky);
    p.setPen(QPen(kNavy, 1.2));
    p.setBrush(sky);
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));

    // The ground: a band of land at the bottom of the disc.
    p.save();
    QPainterPath disc;
    disc.addEllipse(QRectF(2.1, 2.1, 27.8, 27.8));
    p.setClipPath(disc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0xa8, 0x5a));
    QPainterPath land;
    land.moveTo(0, 25);
    land.cubicTo(8, 22, 20, 27, 32, 23);
    land.lineTo(32, 32);
    land.lineTo(0, 32);
    p.drawPath(land);
    p.restore();

    // The route: a great-circle arc with its two airports.
    QPen route(Qt::white, 1.3, Qt::DashLine, Qt::RoundCap);
    route.setDashPattern({2.0, 1.6});
    p.setPen(route);
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(6.5, 22.5);
    arc.quadTo(13, 6, 24, 9.5);
    p.drawPath(arc);
    p.setPen(QPen(kNavy, 0.8));
    p.setBrush(kAmber);
    p.drawEllipse(QPointF(6.5, 22.5), 1.8, 1.8);

    drawPlane(p, QPointF(24.5, 9.8), 8.5, 75, kNavy);
}

}  // namespace

QPixmap logo(int size, qreal devicePixelRatio) {
    return render(size, devicePixelRatio, drawLogo);
}

QIcon appIcon() {
    return icon(drawLogo);
}

QIcon openFlight() {
    return icon([](QPainter& p) {
        p.setPen(QPen(kAmberDark, 1.2));
        p.setBrush(kAmber.lighter(115));
        QPainterPath back;
        back.moveTo(3, 8);
        back.lineTo(12, 8);
        back.lineTo(14.5, 10.5);
        back.lineTo(29, 10.5);
        back.lineTo(29, 27);
        back.lineTo(3, 27);
        back.closeSubpath();
        p.drawPath(back);
        p.setBrush(kAmber);
        QPolygonF front{{3, 27}, {6.5, 15}, {31, 15}, {28.5, 27}};
        p.drawPolygon(front);
        drawPlane(p, QPointF(18, 12), 15, 45, kNavy);
    });
}

QIcon copyFlight() {
    return icon([](QPainter& p) {
        p.setPen(QPen(kNavy, 1.2));
        p.setBrush(kPaper.darker(108));
        p.drawRoundedRect(QRectF(3, 2.5, 18, 22), 1.5, 1.5);
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(11, 8.5, 18, 22), 1.5, 1.5);
        drawPlane(p, QPointF(20, 19.5), 13, 30, kSky.darker(120));
    });
}

QIcon done() {
    return icon([](QPainter& p) {
        p.setPen(QPen(kGreen.darker(130), 1.2));
        p.setBrush(kGreen);
        p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
        QPen tick(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(tick);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{9, 16.5}, {14, 21.5}, {23.5, 11}});
    });
}

QIcon importPlan() {
    return icon([](QPainter& p) {
        p.setPen(QPen(kNavy, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{4, 19}, {4, 28}, {28, 28}, {28, 19}});
        p.setPen(Qt::NoPen);
        p.setBrush(kSky);
        QPolygonF arrow{{13, 3}, {19, 3}, {19, 13}, {24, 13}, {16, 22}, {8, 13}, {13, 13}};
        p.drawPolygon(arrow);
    });
}

QIcon airportNotes() {
    return icon([](QPainter& p) {
        p.save();
        p.translate(16, 16);
        p.rotate(-35);
        p.setPen(Qt::NoPen);
        p.setBrush(kAsphalt);
        p.drawRoundedRect(QRectF(-5.5, -15, 11, 30), 1.2, 1.2);
        p.setBrush(Qt::white);
        for (qreal y = -9; y <= 7; y += 5) p.drawRect(QRectF(-0.6, y, 1.2, 3));
        // Threshold bars at both ends.
        for (qreal x : {-4.0, -2.6, 1.6, 3.0}) {
            p.drawRect(QRectF(x, -14, 1.0, 3));
            p.drawRect(QRectF(x, 11, 1.0, 3));
        }
        p.restore();
        p.setPen(QPen(kAmberDark, 0.8));
        p.setBrush(kAmber);
        p.drawEllipse(QPointF(25.5, 6.5), 3.6, 3.6);
    });
}

}  // namespace vellgui::pictures
