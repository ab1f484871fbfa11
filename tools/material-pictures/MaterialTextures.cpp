#include "MaterialTextures.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int W = MaterialWidth;
constexpr int H = MaterialHeight;
constexpr double Pi = 3.14159265358979;

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = clamp01(t);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor scaled(const QColor& c, double factor) {
    return QColor::fromRgbF(float(clamp01(c.redF() * factor)), float(clamp01(c.greenF() * factor)),
                            float(clamp01(c.blueF() * factor)));
}

// Smooth random values in [0, 1]: random numbers on the integer lattice, blended
// with a smooth step between them. The seed picks the pattern.
class Noise {
public:
    explicit Noise(quint32 seed) : seed_(seed) {}

    double at(double x, double y) const {
        const double fx = std::floor(x);
        const double fy = std::floor(y);
        const int ix = int(fx);
        const int iy = int(fy);
        const double tx = smooth(x - fx);
        const double ty = smooth(y - fy);
        const double top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
        const double bottom =
            lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
        return top + (bottom - top) * ty;
    }
    // Several octaves, each twice as fine and half as strong.
    double fractal(double x, double y, int octaves) const {
        double sum = 0, weight = 0, amplitude = 1;
        for (int i = 0; i < octaves; ++i) {
            sum += amplitude * at(x, y);
            weight += amplitude;
            x *= 2.03;
            y *= 2.03;
            amplitude *= 0.5;
        }
        return sum / weight;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double lattice(int x, int y) const {
        quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + seed_ * 2246822519u;
        h = (h ^ (h >> 13)) * 1274126177u;
        return double((h ^ (h >> 16)) & 0xffffu) / 65535.0;
    }
    quint32 seed_;
};

QImage shade(const std::function<QColor(int x, int y)>& colour) {
    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < W; ++x)
            line[x] = colour(x, y).rgb();
    }
    return image;
}

// Brushed steel: fine streaks along x, a broad diagonal sheen.
QImage steel() {
    const Noise n(11);
    return shade([&](int x, int y) {
        const double streak = n.fractal(x / 90.0, y / 1.2, 3);
        const double sheen = std::exp(-std::pow((x - 1.3 * y - 40) / 110.0, 2));
        const double v = 0.50 + 0.22 * streak + 0.25 * sheen;
        return mix(QColor(70, 76, 84), QColor(235, 240, 246), v);
    });
}

// Wood grain: growth rings bent by noise; rough wood has coarse fibres and saw marks.
QImage wood(bool sawn) {
    const Noise n(sawn ? 23 : 21);
    const QColor light = sawn ? QColor(196, 152, 102) : QColor(230, 194, 146);
    const QColor dark = sawn ? QColor(128, 86, 50) : QColor(176, 122, 70);
    return shade([&](int x, int y) {
        const double bend = 40 * n.fractal(x / 140.0, y / 60.0, 3);
        const double ring = 0.5 + 0.5 * std::sin((y + bend + 0.08 * x) * 0.22);
        double v = std::pow(ring, 3.0) * 0.8 + 0.1 * n.at(x / 30.0, y / 2.0);
        if (sawn) {
            v += 0.35 * (n.fractal(x / 6.0, y / 1.5, 2) - 0.5);
            v += 0.07 * std::sin(std::hypot(x + 400.0, y - 120.0) * 0.3); // saw marks
        }
        return mix(light, dark, v);
    });
}

// Concrete: smooth has a fine even speckle; rough adds pores and stones.
QImage concrete(bool rough) {
    const Noise n(rough ? 43 : 41);
    QImage image = shade([&](int x, int y) {
        const double cloud = n.fractal(x / 60.0, y / 60.0, 4);
        const double grain = n.at(x / 1.3, y / 1.3);
        const double v =
            rough ? 0.25 + 0.45 * cloud + 0.30 * grain : 0.55 + 0.15 * cloud + 0.10 * grain;
        return mix(QColor(95, 95, 92), QColor(212, 210, 204), v);
    });
    if (!rough)
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(43);
    for (int i = 0; i < 70; ++i) { // stones of the aggregate
        const QPointF at(random.bounded(W), random.bounded(H));
        const double r = 3 + random.bounded(9);
        const int g = 120 + random.bounded(70);
        painter.setPen(QPen(QColor(70, 68, 62), 1));
        painter.setBrush(QColor(g, g - 8, g - 20));
        painter.drawEllipse(at, r * (0.7 + random.bounded(0.6)), r);
    }
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) { // air pores
        const QPointF at(random.bounded(W), random.bounded(H));
        const double r = 0.8 + random.bounded(3.2);
        painter.setBrush(QColor(40, 40, 40));
        painter.drawEllipse(at, r, r);
    }
    return image;
}

// Circuit board: green solder mask over glass weave, copper traces, pads and a chip.
QImage circuitBoard() {
    const Noise n(61);
    QImage image = shade([&](int x, int y) {
        const double weave = 0.5 + 0.25 * std::sin(x * 0.8) * std::sin(y * 0.8);
        return mix(QColor(10, 80, 40), QColor(40, 140, 70),
                   0.4 * weave + 0.4 * n.at(x / 40.0, y / 40.0));
    });
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor copper(214, 170, 70);
    QRandomGenerator random(61);
    for (int i = 0; i < 18; ++i) {
        const double y = 14 + i * 12.5;
        const double turn = 30 + random.bounded(120);
        QPainterPath trace(QPointF(0, y));
        trace.lineTo(turn, y);
        trace.lineTo(turn + 20, y + (i % 2 ? 20 : -20));
        trace.lineTo(W, y + (i % 2 ? 20 : -20));
        painter.setPen(QPen(copper, i % 4 == 0 ? 4 : 2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(trace);
        painter.setPen(Qt::NoPen);
        painter.setBrush(copper);
        painter.drawEllipse(QPointF(turn + 20, y + (i % 2 ? 20 : -20)), 5, 5);
        painter.setBrush(QColor(30, 30, 30));
        painter.drawEllipse(QPointF(turn + 20, y + (i % 2 ? 20 : -20)), 2, 2);
    }
    const QRectF chip(190, 70, 90, 90);
    painter.setBrush(QColor(200, 200, 200));
    for (int i = 0; i < 8; ++i) { // pins
        painter.drawRect(QRectF(chip.left() - 8, chip.top() + 6 + i * 10.5, 8, 5));
        painter.drawRect(QRectF(chip.right(), chip.top() + 6 + i * 10.5, 8, 5));
    }
    painter.setBrush(QColor(25, 25, 28));
    painter.drawRect(chip);
    painter.setPen(QPen(QColor(240, 240, 240), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(chip.adjusted(-14, -8, 14, 8)); // silkscreen outline
    painter.drawEllipse(QPointF(chip.left() + 10, chip.top() + 10), 3, 3);
    return image;
}

// Cardboard: 0 coated (white top layer over a brown edge), 1 thin kraft with
// fibres, 2 corrugated with its fluting seen at the cut edge.
QImage cardboard(int kind) {
    const Noise n(81 + kind);
    const QColor kraft(192, 150, 100);
    const QColor kraftDark(150, 110, 66);
    QImage image = shade([&](int x, int y) {
        const double fibre = n.fractal(x / 3.0, y / 9.0, 2);
        switch (kind) {
        case 0:
            if (y < 190)
                return mix(QColor(226, 224, 216), QColor(246, 245, 240),
                           0.6 + 0.3 * n.at(x / 50.0, y / 50.0) - y / 900.0);
            return mix(kraft, kraftDark, fibre);
        case 1:
            return mix(kraft, kraftDark,
                       0.15 + 0.7 * fibre + 0.2 * (n.at(x / 70.0, y / 70.0) - 0.5));
        default: {
            const double ridge = 0.5 + 0.5 * std::cos(x * 2 * Pi / 18);
            return mix(kraft, kraftDark, 0.25 + 0.3 * ridge + 0.3 * fibre);
        }
        }
    });
    if (kind != 2)
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF edge(0, 160, W, 80);
    painter.fillRect(edge, QColor(120, 86, 50));
    painter.fillRect(QRectF(0, 160, W, 7), kraft.lighter(105));
    painter.fillRect(QRectF(0, 233, W, 7), kraft.lighter(105));
    QPainterPath flute;
    flute.moveTo(0, 167);
    for (double x = 0; x <= W; x += 2)
        flute.lineTo(x, 200 - 33 * std::cos(x * 2 * Pi / 36));
    painter.setPen(QPen(kraft, 4));
    painter.drawPath(flute);
    return image;
}

// Newspaper: greyish paper, a headline, columns of text lines and a halftone photo.
QImage newspaper() {
    const Noise n(101);
    QImage image = shade([&](int x, int y) {
        return mix(QColor(206, 202, 190), QColor(232, 229, 218), n.fractal(x / 8.0, y / 8.0, 2));
    });
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(101);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    for (int i = 0; i < 3; ++i)
        painter.drawRect(QRectF(14 + i * 98, 14, 70 + random.bounded(20), 14));
    painter.fillRect(QRectF(10, 36, W - 20, 2), QColor(60, 60, 60));
    for (int column = 0; column < 3; ++column) {
        const double left = 12 + column * 102;
        for (double y = 46; y < H - 8; y += 7) {
            if (column == 1 && y > 60 && y < 150)
                continue; // the photo
            const double length =
                y + 7 >= H - 8 || random.bounded(9) == 0 ? 40 + random.bounded(40) : 92;
            painter.setBrush(QColor(95, 95, 95));
            painter.drawRect(QRectF(left, y, length, 3));
        }
    }
    for (double y = 64; y < 148; y += 4) // halftone dots of a photo
        for (double x = 116; x < 206; x += 4) {
            const double tone = 0.5 + 0.5 * std::sin(x / 14.0) * std::cos(y / 17.0);
            painter.setBrush(QColor(50, 50, 50));
            painter.drawEllipse(QPointF(x, y), 1.8 * tone, 1.8 * tone);
        }
    return image;
}

// Copy paper: a stack of white sheets on a grey desk.
QImage copyPaper() {
    const Noise n(111);
    QImage image = shade([&](int x, int y) {
        return mix(QColor(120, 124, 130), QColor(150, 154, 160), n.fractal(x / 40.0, y / 40.0, 3));
    });
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 4; i >= 0; --i) {
        const QRectF sheet(30 + i * 5, 24 + i * 3, 230, 190);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 45));
        painter.drawRect(sheet.translated(4, 5));
        painter.setPen(QPen(QColor(210, 212, 214), 1));
        painter.setBrush(i == 0 ? QColor(252, 252, 252) : QColor(240, 240, 242));
        painter.drawRect(sheet);
    }
    QLinearGradient curl(QPointF(230, 214), QPointF(260, 184)); // the lifted corner
    curl.setColorAt(0, QColor(200, 200, 204));
    curl.setColorAt(1, QColor(255, 255, 255));
    QPainterPath corner;
    corner.moveTo(225, 214);
    corner.lineTo(260, 214);
    corner.lineTo(260, 180);
    corner.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(curl);
    painter.drawPath(corner);
    return image;
}

// Vinyl sheet: a smooth glossy blue surface with a bright reflection.
QImage vinyl() {
    const Noise n(121);
    return shade([&](int x, int y) {
        const double gloss = std::exp(-std::pow((x + 0.6 * y - 210) / 28.0, 2));
        const double broad = std::exp(-std::pow((x + 0.6 * y - 150) / 120.0, 2));
        const QColor base = mix(QColor(28, 70, 130), QColor(70, 130, 200),
                                0.6 * broad + 0.1 * n.at(x / 90.0, y / 90.0));
        return mix(base, QColor(245, 250, 255), 0.85 * gloss);
    });
}

// Polystyrene foam: white beads fused together; the rough cut shows the beads
// and dark gaps between them.
QImage foam(bool rough) {
    const double cell = rough ? 16 : 10;
    QRandomGenerator random(rough ? 133 : 131);
    const int cols = int(W / cell) + 2;
    const int rows = int(H / cell) + 2;
    QList<QPointF> centres;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            centres << QPointF((c + random.bounded(1.0)) * cell, (r + random.bounded(1.0)) * cell);
    const Noise n(rough ? 133 : 131);
    return shade([&](int x, int y) {
        const int c0 = int(x / cell);
        const int r0 = int(y / cell);
        double d1 = 1e9, d2 = 1e9;
        QPointF nearest;
        for (int r = std::max(0, r0 - 1); r <= std::min(rows - 1, r0 + 1); ++r)
            for (int c = std::max(0, c0 - 1); c <= std::min(cols - 1, c0 + 1); ++c) {
                const QPointF p = centres.at(r * cols + c);
                const double d = std::hypot(p.x() - x, p.y() - y);
                if (d < d1) {
                    d2 = d1;
                    d1 = d;
                    nearest = p;
                } else if (d < d2) {
                    d2 = d;
                }
            }
        const double seam = clamp01((d2 - d1) / (rough ? 5.0 : 2.5));
        // Light from the upper left on each bead's dome.
        const double dome = clamp01(1 - ((x - nearest.x()) + (y - nearest.y())) / (cell * 2.2));
        double v =
            rough ? 0.35 + 0.45 * seam * dome + 0.2 * seam : 0.78 + 0.12 * seam + 0.06 * dome;
        if (rough && d2 - d1 < 1.2 && n.at(x / 9.0, y / 9.0) > 0.55)
            v = 0.12; // open gaps between the beads
        return mix(QColor(150, 152, 150), QColor(252, 252, 250), v);
    });
}

// Compact disc: silver with a rainbow sheen, clear inner ring and centre hole.
QImage compactDisc() {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(QColor(52, 54, 60));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(W / 2.0, H / 2.0);
    const double radius = 112;
    QConicalGradient sheen(centre, 30);
    const QColor stops[] = {QColor(215, 215, 222), QColor(240, 170, 200), QColor(170, 200, 250),
                            QColor(200, 245, 190), QColor(215, 215, 222), QColor(250, 230, 160),
                            QColor(175, 185, 250), QColor(215, 215, 222)};
    for (int i = 0; i < 8; ++i)
        sheen.setColorAt(i / 7.0, stops[i]);
    painter.setPen(QPen(QColor(150, 150, 155), 1.5));
    painter.setBrush(sheen);
    painter.drawEllipse(centre, radius, radius);
    QRadialGradient rings(centre, radius);
    rings.setColorAt(0, QColor(255, 255, 255, 0));
    rings.setColorAt(0.97, QColor(255, 255, 255, 60));
    rings.setColorAt(1, QColor(120, 120, 130, 120));
    painter.setBrush(rings);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(160, 165, 175), 1));
    painter.setBrush(QColor(200, 205, 212, 200));
    painter.drawEllipse(centre, 36, 36);
    painter.setBrush(QColor(232, 236, 240));
    painter.drawEllipse(centre, 22, 22);
    painter.setBrush(QColor(52, 54, 60));
    painter.drawEllipse(centre, 8, 8);
    return image;
}

// Marble: veins along a direction bent by noise; polished with a sheen, rough
// dull and grainy.
QImage marble(bool rough) {
    const Noise n(rough ? 163 : 161);
    const QColor stone = rough ? QColor(206, 200, 188) : QColor(242, 240, 236);
    const QColor vein = rough ? QColor(120, 114, 106) : QColor(96, 100, 108);
    return shade([&](int x, int y) {
        const double turbulence = n.fractal(x / 70.0, y / 70.0, 5);
        const double v = std::abs(std::sin((x * 0.9 + y * 0.5) / 38.0 + 7 * turbulence));
        double veins = std::pow(1 - v, rough ? 6.0 : 10.0);
        QColor c = mix(stone, vein, 0.85 * veins + 0.12 * n.fractal(x / 20.0, y / 20.0, 3));
        if (rough)
            c = scaled(c, 0.85 + 0.25 * n.at(x / 1.5, y / 1.5));
        else
            c = mix(c, Qt::white, 0.45 * std::exp(-std::pow((x - 1.1 * y - 60) / 60.0, 2)));
        return c;
    });
}

} // namespace

QImage PaintMaterial(int number) {
    switch (number) {
    case 1:
        return steel();
    case 2:
        return wood(false);
    case 3:
        return wood(true);
    case 4:
        return concrete(false);
    case 5:
        return concrete(true);
    case 6:
        return circuitBoard();
    case 7:
        return cardboard(0);
    case 8:
        return cardboard(1);
    case 9:
        return cardboard(2);
    case 10:
        return newspaper();
    case 11:
        return copyPaper();
    case 12:
        return vinyl();
    case 13:
        return foam(false);
    case 14:
        return foam(true);
    case 15:
        return compactDisc();
    case 16:
        return marble(false);
    case 17:
        return marble(true);
    default:
        return {};
    }
}
