// Loads the logo and window icon that tavrik_artwork builds in, and checks
// the size and colour channels the desktop program relies on.
#include <QFile>
#include <QImage>
#include <QTest>

namespace {

struct JpegFrame {
    int marker = 0;
    int components = 0;
};

// Walks the marker segments up to the frame header: its marker tells baseline
// (0xC0) from progressive (0xC2), and it holds the number of colour components.
JpegFrame jpegFrame(const QByteArray &jpeg)
{
    qsizetype at = 2; // past the start-of-image marker
    while (at + 10 <= jpeg.size() && quint8(jpeg[at]) == 0xFF) {
        const int marker = quint8(jpeg[at + 1]);
        // 0xC4, 0xC8 and 0xCC share the range but are not frame headers.
        const bool isFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8
                             && marker != 0xCC;
        if (isFrame)
            return {marker, quint8(jpeg[at + 9])};
        at += 2 + (quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]));
    }
    return {};
}

} // namespace

class ArtworkTest : public QObject
{
    Q_OBJECT

private slots:
    void logoIsBaselineJpegWithThreeComponents()
    {
        QFile file(QStringLiteral(":/artwork/logo.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const JpegFrame frame = jpegFrame(file.readAll());
        QCOMPARE(frame.marker, 0xC0);
        QCOMPARE(frame.components, 3);
    }

    void logoIsOpaqueColourPicture()
    {
        const QImage logo(QStringLiteral(":/artwork/logo.jpg"));
        QCOMPARE(logo.size(), QSize(484, 203));
        QVERIFY(!logo.hasAlphaChannel());
        QVERIFY(!logo.isGrayscale());
    }

    void iconIsBlackShapeOnTransparentBackground()
    {
        const QImage icon(QStringLiteral(":/artwork/icon.png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.hasAlphaChannel());
        for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);

        int opaque = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb pixel = icon.pixel(x, y);
                if (qAlpha(pixel) == 255) {
                    QCOMPARE(qGray(pixel), 0);
                    ++opaque;
                }
            }
        }
        QVERIFY(opaque > 0);
    }
};

QTEST_GUILESS_MAIN(ArtworkTest)
#include "artwork_test.moc"
