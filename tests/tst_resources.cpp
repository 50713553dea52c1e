#include "windowfixture.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QResource>
#include <QtTest>

namespace {

const QString flatIcon = QStringLiteral(":/new/icons/resources/oro_flach.ico");
const QString bevelledIcon = QStringLiteral(":/new/icons/resources/oro.ico");

// Filled in by main() before the application object exists: the bundle has to
// be usable without one.
QMap<QString, bool> existedBeforeApplication;

const QRgb blue = qRgb(0x00, 0x00, 0xFF);
const QRgb darkBlue = qRgb(0x00, 0x00, 0x80);
const QRgb white = qRgb(0xFF, 0xFF, 0xFF);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void iconsAreBundled_data();
    void iconsAreBundled();
    void iconsAreSmall16ColourIcos_data();
    void iconsAreSmall16ColourIcos();
    void bundleHoldsNothingElse();
    void iconsShowACheckMarkOnBlue_data();
    void iconsShowACheckMarkOnBlue();
    void windowHasAnIcon();

private:
    void addIconColumn();
};

void ResourcesTest::addIconColumn()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("flat") << flatIcon;
    QTest::newRow("bevelled") << bevelledIcon;
}

void ResourcesTest::iconsAreBundled_data()
{
    addIconColumn();
}

void ResourcesTest::iconsAreBundled()
{
    QFETCH(QString, path);
    QVERIFY(existedBeforeApplication.value(path));
    QVERIFY(QFile::exists(path));
    QCOMPARE(QResource(path).compressionAlgorithm(), QResource::ZlibCompression);
}

void ResourcesTest::iconsAreSmall16ColourIcos_data()
{
    addIconColumn();
}

void ResourcesTest::iconsAreSmall16ColourIcos()
{
    QFETCH(QString, path);
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.size(), 766);

    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved, type, count, planes, bitsPerPixel;
    quint8 width, height, colours, entryReserved;
    quint32 imageBytes, imageOffset;
    in >> reserved >> type >> count;
    in >> width >> height >> colours >> entryReserved >> planes >> bitsPerPixel >> imageBytes >> imageOffset;
    QCOMPARE(reserved, quint16(0));
    QCOMPARE(type, quint16(1));
    QCOMPARE(count, quint16(1));
    QCOMPARE(width, quint8(32));
    QCOMPARE(height, quint8(32));
    QCOMPARE(colours, quint8(16));
    QCOMPARE(bitsPerPixel, quint16(4));
    QCOMPARE(imageBytes, quint32(744));
    QCOMPARE(imageOffset, quint32(22));

    // The bitmap's height covers the colour rows and the mask rows together.
    quint32 headerBytes, compression;
    qint32 bitmapWidth, bitmapHeight;
    quint16 bitmapPlanes, bitmapBits;
    in >> headerBytes >> bitmapWidth >> bitmapHeight >> bitmapPlanes >> bitmapBits >> compression;
    QCOMPARE(headerBytes, quint32(40));
    QCOMPARE(bitmapWidth, 32);
    QCOMPARE(bitmapHeight, 64);
    QCOMPARE(bitmapPlanes, quint16(1));
    QCOMPARE(bitmapBits, quint16(4));
    QCOMPARE(compression, quint32(0));
    QCOMPARE(in.status(), QDataStream::Ok);
}

void ResourcesTest::bundleHoldsNothingElse()
{
    const QStringList entries = QDir(QStringLiteral(":/new/icons/resources"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    QCOMPARE(entries, QStringList({QStringLiteral("oro.ico"), QStringLiteral("oro_flach.ico")}));
}

void ResourcesTest::iconsShowACheckMarkOnBlue_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("flat, top left corner") << flatIcon << QPoint(0, 0) << blue;
    QTest::newRow("flat, bottom right corner") << flatIcon << QPoint(31, 31) << blue;
    QTest::newRow("flat, long arm top") << flatIcon << QPoint(23, 5) << white;
    QTest::newRow("flat, short arm") << flatIcon << QPoint(6, 17) << white;
    QTest::newRow("flat, bottom of the mark") << flatIcon << QPoint(12, 27) << white;
    QTest::newRow("flat, between the arms") << flatIcon << QPoint(12, 17) << blue;
    QTest::newRow("bevelled, top edge") << bevelledIcon << QPoint(16, 1) << white;
    QTest::newRow("bevelled, left edge") << bevelledIcon << QPoint(0, 16) << white;
    QTest::newRow("bevelled, bottom edge") << bevelledIcon << QPoint(16, 30) << darkBlue;
    QTest::newRow("bevelled, right edge") << bevelledIcon << QPoint(31, 16) << darkBlue;
    QTest::newRow("bevelled, top right light") << bevelledIcon << QPoint(30, 0) << white;
    QTest::newRow("bevelled, top right dark") << bevelledIcon << QPoint(31, 0) << darkBlue;
    QTest::newRow("bevelled, inside the frame") << bevelledIcon << QPoint(2, 2) << blue;
    QTest::newRow("bevelled, long arm top") << bevelledIcon << QPoint(23, 5) << white;
}

void ResourcesTest::iconsShowACheckMarkOnBlue()
{
    QFETCH(QString, path);
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);
    const QImage image(path);
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image.pixel(pixel), colour);
}

void ResourcesTest::windowHasAnIcon()
{
    WindowFixture fixture;
    QVERIFY(!fixture.window().windowIcon().isNull());
}

// Like QTEST_MAIN, but checks the bundle before the application is created.
int main(int argc, char *argv[])
{
    for (const QString &path : {flatIcon, bevelledIcon})
        existedBeforeApplication.insert(path, QFile::exists(path));

    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    ResourcesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resources.moc"
