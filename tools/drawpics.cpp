// Draws every picture that the program reads beside itself into a data folder: the character portraits, the
// crosshair previews, the splash, the logo and the small icons. Everything is drawn here with QPainter, so the
// pictures can be drawn again at any time:
//     drawpics <data folder>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "editor/Characters.h"

namespace {

constexpr int kJpegQuality = 85;
constexpr int kCardWidth = 128;
constexpr int kCardHeight = 160;
constexpr int kCrossWidth = 74;
constexpr int kCrossHeight = 68;

bool failed = false;

void save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "drawpics: cannot write %s\n", qPrintable(path));
        failed = true;
    }
}

// FNV-1a: a hash that is the same on every run and every machine, so the colours never change between redraws.
std::uint32_t stableHash(const QString& text) {
    std::uint32_t hash = 2166136261u;
    for (QChar c : text) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return hash;
}

QFont defaultFont(int pixelSize, bool bold) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Draws text centred in rect, shrinking the font until it fits the width.
void drawFittedText(QPainter& p, const QRectF& rect, const QString& text, int pixelSize, bool bold) {
    QFont font = defaultFont(pixelSize, bold);
    while (pixelSize > 7 && QFontMetrics(font).horizontalAdvance(text) > rect.width() - 6) {
        font.setPixelSize(--pixelSize);
    }
    p.setFont(font);
    p.drawText(rect, Qt::AlignCenter, text);
}

QImage newImage(int width, int height, QImage::Format format = QImage::Format_ARGB32_Premultiplied) {
    QImage image(width, height, format);
    image.fill(Qt::transparent);
    return image;
}

// ---- Portrait cards ----

enum class Headwear { None, Crest, LongHair, Visor };

// Head and shoulders, filled with one colour; the head gear varies with the name so the cards differ.
void drawSilhouette(QPainter& p, const QColor& fill, Headwear headwear, bool shoulderPads) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    if (headwear == Headwear::LongHair) {
        QPainterPath hair;
        hair.moveTo(36, 104);
        hair.cubicTo(30, 70, 36, 28, 64, 28);
        hair.cubicTo(92, 28, 98, 70, 92, 104);
        hair.closeSubpath();
        p.drawPath(hair);
    }
    QPainterPath body;
    body.moveTo(8, 160);
    body.cubicTo(10, 120, 24, 104, 50, 98);
    body.lineTo(56, 84);
    body.lineTo(72, 84);
    body.lineTo(78, 98);
    body.cubicTo(104, 104, 118, 120, 120, 160);
    body.closeSubpath();
    p.drawPath(body);
    p.drawEllipse(QPointF(64, 60), 21, 26);
    if (shoulderPads) {
        p.drawEllipse(QPointF(30, 111), 17, 10);
        p.drawEllipse(QPointF(98, 111), 17, 10);
    }
    if (headwear == Headwear::Crest) {
        const QPolygonF crest({QPointF(58, 36), QPointF(64, 20), QPointF(70, 36)});
        p.drawPolygon(crest);
    }
    if (headwear == Headwear::Visor) {
        QColor glow = fill.lighter(260);
        glow.setAlpha(200);
        p.setBrush(glow);
        p.drawRoundedRect(QRectF(47, 52, 34, 9), 4, 4);
    }
}

void drawNameBand(QPainter& p, const QString& text) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawRect(QRectF(0, 134, kCardWidth, 26));
    p.setPen(QColor(245, 245, 245));
    drawFittedText(p, QRectF(0, 134, kCardWidth, 26), text, 15, true);
}

void drawCardFrame(QPainter& p, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 2));
    p.drawRect(QRectF(1, 1, kCardWidth - 2, kCardHeight - 2));
}

QImage portrait(const QString& name) {
    const std::uint32_t hash = stableHash(name);
    const int hue = static_cast<int>(hash % 360);
    const int hue2 = (hue + 30 + static_cast<int>((hash >> 9) % 60)) % 360;
    QImage image = newImage(kCardWidth, kCardHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, kCardWidth * 0.4, kCardHeight);
    background.setColorAt(0.0, QColor::fromHsv(hue, 110, 235));
    background.setColorAt(1.0, QColor::fromHsv(hue2, 210, 80));
    p.fillRect(image.rect(), background);

    // A soft light behind the head.
    QRadialGradient glow(QPointF(64, 58), 60);
    glow.setColorAt(0.0, QColor(255, 255, 255, 90));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);

    const auto headwear = static_cast<Headwear>((hash >> 4) % 4);
    const bool shoulderPads = ((hash >> 7) & 1u) != 0;
    drawSilhouette(p, QColor::fromHsv(hue2, 180, 35), headwear, shoulderPads);
    drawNameBand(p, name);
    drawCardFrame(p, QColor::fromHsv(hue, 90, 250));
    return image;
}

QImage neutralCard(const QString& caption, bool dashed) {
    QImage image = newImage(kCardWidth, kCardHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, kCardHeight);
    background.setColorAt(0.0, QColor(176, 184, 194));
    background.setColorAt(1.0, QColor(88, 96, 108));
    p.fillRect(image.rect(), background);
    if (dashed) {
        // An outline only: there is no picture for this character.
        QImage shape = newImage(kCardWidth, kCardHeight);
        {
            QPainter s(&shape);
            s.setRenderHint(QPainter::Antialiasing);
            drawSilhouette(s, QColor(60, 66, 76), Headwear::None, false);
        }
        p.setOpacity(0.35);
        p.drawImage(0, 0, shape);
        p.setOpacity(1.0);
        p.setPen(QColor(235, 235, 235));
        drawFittedText(p, QRectF(0, 40, kCardWidth, 40), QStringLiteral("?"), 40, true);
    } else {
        drawSilhouette(p, QColor(58, 64, 74), Headwear::None, false);
    }
    drawNameBand(p, caption);
    drawCardFrame(p, QColor(210, 214, 220));
    return image;
}

// ---- Crosshair previews ----

const QColor kCrossColour(150, 255, 150);

QImage crossBackground() {
    QImage image = newImage(kCrossWidth, kCrossHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QRadialGradient shade(QPointF(kCrossWidth / 2.0, kCrossHeight / 2.0), 48);
    shade.setColorAt(0.0, QColor(34, 40, 46));
    shade.setColorAt(1.0, QColor(12, 14, 18));
    p.fillRect(image.rect(), shade);
    return image;
}

using CrossDrawer = std::function<void(QPainter&, QPointF)>;

void strokesAround(QPainter& p, QPointF c, double inner, double outer, const std::vector<double>& anglesDeg) {
    for (double a : anglesDeg) {
        const double r = a * M_PI / 180.0;
        const QPointF dir(std::cos(r), -std::sin(r));
        p.drawLine(c + dir * inner, c + dir * outer);
    }
}

// A filled dot of radius r at c, in the crosshair colour.
void dot(QPainter& p, QPointF c, double r) {
    p.setPen(Qt::NoPen);
    p.setBrush(kCrossColour);
    p.drawEllipse(c, r, r);
}

QImage crosshair(const CrossDrawer& draw) {
    QImage image = crossBackground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kCrossColour, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    draw(p, QPointF(kCrossWidth / 2.0, kCrossHeight / 2.0));
    return image;
}

struct CrossPicture {
    const char* file;
    CrossDrawer draw;
};

std::vector<CrossPicture> crossPictures() {
    const std::vector<double> plus = {0, 90, 180, 270};
    const std::vector<double> triadUp = {90, 210, 330};
    const std::vector<double> triadDown = {30, 150, 270};
    return {
        {"cross_1.jpg", [plus](QPainter& p, QPointF c) { strokesAround(p, c, 0, 16, plus); }},
        {"cross_2.jpg", [plus](QPainter& p, QPointF c) { strokesAround(p, c, 5, 18, plus); }},
        {"cross_3.jpg",
         [plus](QPainter& p, QPointF c) {
             p.setPen(QPen(kCrossColour, 4, Qt::SolidLine, Qt::FlatCap));
             strokesAround(p, c, 4, 15, plus);
         }},
        {"cross_4.jpg",
         [](QPainter& p, QPointF c) {
             strokesAround(p, c, 4, 17, {45, 135, 225, 315});
         }},
        {"cross_5.jpg",
         [plus](QPainter& p, QPointF c) {
             strokesAround(p, c, 7, 20, plus);
             dot(p, c, 2.0);
         }},
        {"dot.jpg", [](QPainter& p, QPointF c) { dot(p, c, 4.0); }},
        {"pointer.jpg",
         [](QPainter& p, QPointF c) {
             // An arrow whose tip sits on the aiming point.
             const QPolygonF arrow({c, c + QPointF(4, 16), c + QPointF(8, 11), c + QPointF(15, 18), c + QPointF(18, 15),
                                    c + QPointF(11, 8), c + QPointF(16, 4)});
             p.setPen(QPen(kCrossColour.darker(180), 1));
             p.setBrush(kCrossColour);
             p.drawPolygon(arrow);
         }},
        {"triad_1.jpg", [triadUp](QPainter& p, QPointF c) { strokesAround(p, c, 4, 16, triadUp); }},
        {"triad_2.jpg", [triadDown](QPainter& p, QPointF c) { strokesAround(p, c, 7, 19, triadDown); }},
        {"triad_3.jpg",
         [triadUp](QPainter& p, QPointF c) {
             strokesAround(p, c, 9, 18, triadUp);
             dot(p, c, 2.0);
         }},
        {"bracket_1.jpg",
         [](QPainter& p, QPointF c) {
             const double h = 12, gap = 10, lip = 5;
             p.drawPolyline(QPolygonF({c + QPointF(-gap + lip, -h), c + QPointF(-gap, -h), c + QPointF(-gap, h),
                                       c + QPointF(-gap + lip, h)}));
             p.drawPolyline(QPolygonF(
                 {c + QPointF(gap - lip, -h), c + QPointF(gap, -h), c + QPointF(gap, h), c + QPointF(gap - lip, h)}));
         }},
        {"bracket_2.jpg",
         [](QPainter& p, QPointF c) {
             // Four corners of a square around the aiming point.
             const double s = 13, arm = 6;
             for (int sx : {-1, 1})
                 for (int sy : {-1, 1})
                     p.drawPolyline(QPolygonF({c + QPointF(sx * (s - arm), sy * s), c + QPointF(sx * s, sy * s),
                                               c + QPointF(sx * s, sy * (s - arm))}));
         }},
        {"circle_1.jpg", [](QPainter& p, QPointF c) { p.drawEllipse(c, 12.0, 12.0); }},
        {"circle_2.jpg",
         [plus](QPainter& p, QPointF c) {
             p.drawEllipse(c, 14.0, 14.0);
             strokesAround(p, c, 14, 20, plus);
             dot(p, c, 2.0);
         }},
    };
}

QImage hiddenCrosshair() {
    QImage image = crossBackground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(70, 78, 86));
    drawFittedText(p, QRectF(0, 0, kCrossWidth, kCrossHeight), QStringLiteral("hidden"), 12, false);
    return image;
}

// ---- Splash and logo ----

QImage splash() {
    QImage image(652, 254, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 652, 254);
    background.setColorAt(0.0, QColor(10, 22, 48));
    background.setColorAt(0.6, QColor(32, 20, 70));
    background.setColorAt(1.0, QColor(70, 14, 52));
    p.fillRect(image.rect(), background);

    // A large faint sight on the right.
    const QPointF sight(520, 127);
    p.setPen(QPen(QColor(255, 255, 255, 40), 2));
    for (double r : {34.0, 70.0, 106.0}) p.drawEllipse(sight, r, r);
    p.setPen(QPen(QColor(255, 255, 255, 60), 2));
    strokesAround(p, sight, 14, 122, {0, 90, 180, 270});

    QFont title = defaultFont(72, true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(QPointF(44, 134), QStringLiteral("Corvane"));
    p.setPen(QColor(250, 250, 255));
    p.drawText(QPointF(40, 130), QStringLiteral("Corvane"));

    p.setPen(QPen(QColor(230, 120, 40), 3));
    p.drawLine(QPointF(42, 150), QPointF(330, 150));

    p.setFont(defaultFont(20, false));
    p.setPen(QColor(210, 215, 230));
    p.drawText(QPointF(42, 182), QStringLiteral("Settings editor for UT2003"));
    return image;
}

// The program's mark: a ring with a sight and a "C" at its centre.
void drawMark(QPainter& p, double size) {
    const QPointF c(size / 2, size / 2);
    const double r = size * 0.46;
    QRadialGradient disc(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
    disc.setColorAt(0.0, QColor(70, 110, 190));
    disc.setColorAt(1.0, QColor(16, 28, 64));
    p.setPen(QPen(QColor(230, 120, 40), size * 0.05));
    p.setBrush(disc);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(255, 255, 255, 150), std::max(1.0, size * 0.025)));
    strokesAround(p, c, r * 0.62, r * 0.9, {0, 90, 180, 270});
    p.setPen(QPen(QColor(250, 250, 255), size * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const double a = r * 0.42;
    p.drawArc(QRectF(c.x() - a, c.y() - a, 2 * a, 2 * a), 45 * 16, 270 * 16);
}

QImage mark(int size) {
    QImage image = newImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawMark(p, size);
    return image;
}

// ---- Toolbar and decorative icons ----

using IconDrawer = std::function<void(QPainter&)>;

QImage icon(int size, const IconDrawer& draw) {
    QImage image = newImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

const QColor kOutline(40, 40, 48);

void drawFolderBack(QPainter& p) {
    const QPolygonF back(
        {QPointF(3, 8), QPointF(12, 8), QPointF(15, 11), QPointF(28, 11), QPointF(28, 27), QPointF(3, 27)});
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(214, 160, 40));
    p.drawPolygon(back);
}

void drawSave(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(40, 80, 160));
    const QPolygonF body({QPointF(4, 4), QPointF(24, 4), QPointF(28, 8), QPointF(28, 28), QPointF(4, 28)});
    p.drawPolygon(body);
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(9, 4, 13, 9));
    p.setBrush(QColor(40, 80, 160));
    p.drawRect(QRectF(17, 5.5, 3, 6));
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(QRectF(8, 17, 16, 11));
    p.setPen(QPen(QColor(160, 160, 170), 1));
    p.drawLine(QPointF(10, 21), QPointF(22, 21));
    p.drawLine(QPointF(10, 24), QPointF(22, 24));
}

void drawOpen(QPainter& p) {
    drawFolderBack(p);
    p.setPen(QPen(QColor(250, 250, 250), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(7, 6, 16, 12));
    const QPolygonF flap({QPointF(7, 15), QPointF(31, 15), QPointF(26, 27), QPointF(3, 27)});
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(250, 206, 90));
    p.drawPolygon(flap);
}

void drawClose(QPainter& p) {
    drawFolderBack(p);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(248, 200, 80));
    p.drawRect(QRectF(3, 14, 25, 13));
    p.setPen(QPen(QColor(200, 20, 20), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 15), QPointF(29, 27));
    p.drawLine(QPointF(29, 15), QPointF(17, 27));
}

void drawLaunch(QPainter& p) {
    // A gold-rimmed emblem with a forward arrow: "start the game".
    QRadialGradient disc(QPointF(12, 12), 22);
    disc.setColorAt(0.0, QColor(190, 40, 40));
    disc.setColorAt(1.0, QColor(70, 8, 12));
    p.setPen(QPen(QColor(230, 180, 50), 2.5));
    p.setBrush(disc);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    const QPolygonF arrow({QPointF(12, 8), QPointF(24, 16), QPointF(12, 24), QPointF(14.5, 16)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 230, 160));
    p.drawPolygon(arrow);
}

void drawKeyboard(QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(200, 202, 208));
    p.drawRoundedRect(QRectF(2, 13, 44, 24), 3, 3);
    p.setPen(QPen(QColor(90, 92, 100), 1));
    p.setBrush(QColor(245, 245, 248));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 8; ++col) p.drawRect(QRectF(5 + col * 5 + (row % 2) * 1.5, 16 + row * 5, 3.5, 3.5));
    p.drawRect(QRectF(12, 31, 24, 3.5));
}

void drawComputer(QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(190, 192, 198));
    p.drawRoundedRect(QRectF(4, 4, 40, 30), 3, 3);
    QLinearGradient screen(0, 8, 0, 30);
    screen.setColorAt(0.0, QColor(60, 120, 220));
    screen.setColorAt(1.0, QColor(20, 50, 120));
    p.setBrush(screen);
    p.drawRect(QRectF(8, 8, 32, 22));
    p.setBrush(QColor(160, 162, 170));
    p.drawRect(QRectF(20, 34, 8, 5));
    p.drawRoundedRect(QRectF(10, 39, 28, 5), 2, 2);
}

void drawJoystick(QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(60, 62, 70));
    p.drawRoundedRect(QRectF(6, 32, 36, 12), 5, 5);
    p.setBrush(QColor(120, 122, 130));
    p.drawRect(QRectF(22, 12, 4, 22));
    QRadialGradient ball(QPointF(21, 8), 9);
    ball.setColorAt(0.0, QColor(255, 120, 110));
    ball.setColorAt(1.0, QColor(170, 20, 20));
    p.setBrush(ball);
    p.drawEllipse(QPointF(24, 10), 7, 7);
    p.setBrush(QColor(230, 60, 50));
    p.drawEllipse(QPointF(36, 36), 3, 2);
}

void drawMouse(QPainter& p) {
    p.setPen(QPen(QColor(90, 92, 100), 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(24, 12);
    cable.cubicTo(24, 4, 34, 6, 36, 2);
    p.drawPath(cable);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(232, 232, 236));
    p.drawRoundedRect(QRectF(12, 12, 24, 33), 12, 12);
    p.drawLine(QPointF(12, 25), QPointF(36, 25));
    p.drawLine(QPointF(24, 12), QPointF(24, 25));
    p.setBrush(QColor(110, 112, 120));
    p.drawRoundedRect(QRectF(22.5, 15, 3, 6), 1.5, 1.5);
}

void drawDocument(QPainter& p) {
    const QPolygonF page({QPointF(9, 3), QPointF(31, 3), QPointF(40, 12), QPointF(40, 45), QPointF(9, 45)});
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(252, 252, 248));
    p.drawPolygon(page);
    p.setBrush(QColor(210, 212, 218));
    p.drawPolygon(QPolygonF({QPointF(31, 3), QPointF(31, 12), QPointF(40, 12)}));
    p.setPen(QPen(QColor(120, 130, 160), 1.5));
    for (int y = 18; y <= 39; y += 5) p.drawLine(QPointF(14, y), QPointF(y == 39 ? 26 : 35, y));
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpics <data folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString jpgs = out + QStringLiteral("/players/jpgs");
    const QString icons = out + QStringLiteral("/icons");
    if (!QDir().mkpath(jpgs) || !QDir().mkpath(icons)) {
        std::fprintf(stderr, "drawpics: cannot make the folders under %s\n", argv[1]);
        return 1;
    }

    for (const QString& name : characterNames())
        save(portrait(name), jpgs + QLatin1Char('/') + portraitFile(name), "JPG", kJpegQuality);
    save(neutralCard(QStringLiteral("No Image"), true), jpgs + QStringLiteral("/no_image.jpg"), "JPG", kJpegQuality);
    save(neutralCard(QStringLiteral("Player"), false), out + QStringLiteral("/players/placeholder.jpg"), "JPG",
         kJpegQuality);

    for (const CrossPicture& cross : crossPictures())
        save(crosshair(cross.draw), jpgs + QLatin1Char('/') + QLatin1String(cross.file), "JPG", kJpegQuality);
    save(hiddenCrosshair(), jpgs + QStringLiteral("/hidden.jpg"), "JPG", kJpegQuality);

    save(splash(), out + QStringLiteral("/splash.bmp"), "BMP");
    save(mark(132), out + QStringLiteral("/logo.png"), "PNG");
    save(mark(64), icons + QStringLiteral("/corvane.png"), "PNG");

    const std::vector<std::pair<const char*, IconDrawer>> toolbar = {
        {"save.png", drawSave}, {"open.png", drawOpen}, {"close.png", drawClose}, {"launch.png", drawLaunch}};
    for (const auto& [file, draw] : toolbar) save(icon(32, draw), icons + QLatin1Char('/') + file, "PNG");
    const std::vector<std::pair<const char*, IconDrawer>> decorative = {{"keyboard.png", drawKeyboard},
                                                                        {"computer.png", drawComputer},
                                                                        {"joystick.png", drawJoystick},
                                                                        {"mouse.png", drawMouse},
                                                                        {"document.png", drawDocument}};
    for (const auto& [file, draw] : decorative) save(icon(48, draw), icons + QLatin1Char('/') + file, "PNG");

    return failed ? 1 : 0;
}
