// Draws the desktop program's logo (logo.jpg) and window icon (icon.png) into
// the directory named by its only argument. The pictures depend only on this
// code and the DejaVu Sans Bold font file, so redrawing gives the same files.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kLogoWidth = 484;
constexpr int kLogoHeight = 203;
constexpr int kIconSide = 32;
// 96 dots per inch, written into both files so they do not depend on a screen.
constexpr int kDotsPerMeter = 3780;

const QColor kComponentRed(222, 32, 32);
const QColor kComponentBody(58, 4, 6);
const QColor kAtmosphere(70, 150, 255);

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "tavrik-draw-artwork: %s\n", qPrintable(message));
    std::exit(EXIT_FAILURE);
}

QFont letteringFont(qreal pixelSize)
{
    const QString file = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        fail(QStringLiteral("cannot load %1 (Debian package fonts-dejavu-core)").arg(file));
    QFont font(families.first());
    font.setPixelSize(qRound(pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    return font;
}

// The Earth's limb: a dark disk far larger than the picture whose rim crosses
// the bottom, with layered translucent strokes that add up to a soft glow.
void drawHorizon(QPainter &painter)
{
    const qreal radius = 1400;
    const QPointF centre(kLogoWidth / 2.0, 168 + radius);

    QRadialGradient ground(centre, radius);
    ground.setColorAt(0.0, Qt::black);
    ground.setColorAt(0.975, QColor(2, 8, 22));
    ground.setColorAt(1.0, QColor(14, 44, 96));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawEllipse(centre, radius, radius);

    painter.setBrush(Qt::NoBrush);
    QColor haze = kAtmosphere;
    haze.setAlpha(12);
    for (int layer = 30; layer >= 1; --layer) {
        painter.setPen(QPen(haze, layer * 2.0));
        painter.drawEllipse(centre, radius + layer * 0.5, radius + layer * 0.5);
    }
    painter.setPen(QPen(QColor(150, 200, 255), 3.0));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(240, 248, 255), 1.2));
    painter.drawEllipse(centre, radius, radius);
}

// A dual-in-line chip outline: a body with the pin-1 notch and eight pins on
// each long side, in red.
void drawChip(QPainter &painter, const QRectF &body)
{
    constexpr int kPinsPerSide = 8;
    const qreal pinWidth = 14;
    const qreal pinLength = 18;
    const qreal pitch = body.width() / kPinsPerSide;

    painter.setPen(Qt::NoPen);
    painter.setBrush(kComponentRed);
    for (int pin = 0; pin < kPinsPerSide; ++pin) {
        const qreal x = body.left() + pitch * (pin + 0.5) - pinWidth / 2;
        painter.drawRoundedRect(QRectF(x, body.top() - pinLength, pinWidth, pinLength + 4), 2, 2);
        painter.drawRoundedRect(QRectF(x, body.bottom() - 4, pinWidth, pinLength + 4), 2, 2);
    }

    QPainterPath outline;
    outline.addRoundedRect(body, 8, 8);
    QPainterPath notch;
    notch.addEllipse(QPointF(body.left(), body.center().y()), 13, 13);
    outline = outline.subtracted(notch);

    QLinearGradient shading(body.topLeft(), body.bottomLeft());
    shading.setColorAt(0.0, kComponentBody.lighter(150));
    shading.setColorAt(1.0, kComponentBody);
    painter.setBrush(shading);
    painter.setPen(QPen(kComponentRed, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
}

// The satellite's name, white with a black outline so it stays legible over
// the red chip.
void drawName(QPainter &painter, const QPointF &centre)
{
    QPainterPath name;
    name.addText(0, 0, letteringFont(80), QStringLiteral("TAVRIK"));
    name.translate(centre - name.boundingRect().center());

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(name);

    const QRectF bounds = name.boundingRect();
    QLinearGradient face(bounds.topLeft(), bounds.bottomLeft());
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(1.0, QColor(214, 226, 242));
    painter.setBrush(face);
    painter.setPen(QPen(Qt::white, 1.2));
    painter.drawPath(name);
}

QImage drawLogo()
{
    QImage logo(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    logo.fill(Qt::black);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);

    drawHorizon(painter);
    const QRectF body(58, 38, kLogoWidth - 2 * 58, 100);
    drawChip(painter, body);
    drawName(painter, body.center());
    return logo;
}

// The satellite is drawn along its own axes: solar panels along x, the
// antenna dish facing +y. The icon turns it so the dish faces the lower right.
void drawSatellite(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const qreal side : {-1.0, 1.0}) {
        painter.drawRect(QRectF(side > 0 ? 2.5 : -5.0, -0.75, 2.5, 1.5));
        painter.drawRect(QRectF(side > 0 ? 4.5 : -12.0, -2.75, 7.5, 5.5));
    }
    painter.drawRoundedRect(QRectF(-3.0, -3.0, 6.0, 6.0), 1.0, 1.0);
    painter.drawRect(QRectF(-0.75, 2.5, 1.5, 2.5));

    QPainterPath dish;
    dish.moveTo(-3.5, 4.5);
    dish.quadTo(0.0, 9.5, 3.5, 4.5);
    dish.closeSubpath();
    painter.drawPath(dish);
}

QImage drawIcon()
{
    QImage icon(kIconSide, kIconSide, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF satellite(11.5, 11.5);
    painter.save();
    painter.translate(satellite);
    painter.rotate(-45);
    drawSatellite(painter);
    painter.restore();

    // Radio waves: arcs round the dish, centred on the lower-right diagonal.
    const QPointF source = satellite + QPointF(5.0, 5.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
    for (const qreal radius : {5.5, 9.5, 13.5}) {
        const QRectF circle(source - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
        painter.drawArc(circle, (-45 - 42) * 16, 84 * 16);
    }
    return icon;
}

void save(QImage image, const QString &path, const QByteArray &format, int quality)
{
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown; the offscreen platform only provides the fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        fail(QStringLiteral("usage: tavrik-draw-artwork OUTPUT_DIRECTORY"));

    const QDir output(QString::fromLocal8Bit(argv[1]));
    save(drawLogo(), output.filePath(QStringLiteral("logo.jpg")), "jpeg", 90);
    save(drawIcon(), output.filePath(QStringLiteral("icon.png")), "png", -1);
    return EXIT_SUCCESS;
}
