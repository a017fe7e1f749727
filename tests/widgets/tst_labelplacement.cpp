// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figures/FigureMap.h"
#include "figures/LabelPlacement.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A 100 × 100 square, filled: its bottom and right edges measured outside,
// a segment across its middle inside; a dark bar across its upper half.
const char Square[] = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"120\" viewBox=\"0 0 120 120\">\n"
    "  <rect x=\"10\" y=\"10\" width=\"100\" height=\"100\" fill=\"#eeeeee\" stroke=\"#000\" stroke-width=\"1.5\"/>\n"
    "  <rect x=\"10\" y=\"34\" width=\"100\" height=\"4\" fill=\"#000\"/>\n"
    "  <line data-measure=\"a\" data-side=\"outside\" x1=\"10\" y1=\"110\" x2=\"110\" y2=\"110\"/>\n"
    "  <line data-measure=\"b\" data-side=\"inside\" x1=\"10\" y1=\"60\" x2=\"110\" y2=\"60\"/>\n"
    "  <line data-measure=\"c\" data-side=\"outside\" x1=\"110\" y1=\"10\" x2=\"110\" y2=\"110\"/>\n"
    "</svg>";

// The same square with bare edges and its outline told apart.
const char BareSquare[] = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"120\" viewBox=\"0 0 120 120\">\n"
    "  <rect x=\"10\" y=\"10\" width=\"100\" height=\"100\" fill=\"none\" stroke=\"#000\" stroke-width=\"1.5\"/>\n"
    "  <polygon data-outline=\"\" fill=\"none\" points=\"10,10 110,10 110,110 10,110\"/>\n"
    "  <line data-measure=\"a\" data-side=\"outside\" x1=\"10\" y1=\"110\" x2=\"110\" y2=\"110\"/>\n"
    "</svg>";

QString written(QTemporaryDir &dir, const char *name, const char *svg)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(svg);
    return file.fileName();
}

} // namespace

// The one rule the windows and the paper place measures by, on drawings
// made for it: where a label goes, and when none fits.
class LabelPlacementTest : public QObject
{
    Q_OBJECT
private slots:
    void readsSegmentsAndWhatIsDrawn();
    void placesBesideTheSegment_data();
    void placesBesideTheSegment();
    void labelsKeepClearOfEachOther();
    void aRoomTooSmallSaysSo();
    void aBrokenFileGivesAnEmptyMap_data();
    void aBrokenFileGivesAnEmptyMap();

private:
    QTemporaryDir m_dir;
};

void LabelPlacementTest::readsSegmentsAndWhatIsDrawn()
{
    const FigureMap map(written(m_dir, "square.svg", Square));
    QCOMPARE(map.viewBox(), QRectF(0, 0, 120, 120));
    QCOMPARE(map.segments().size(), 3);
    QCOMPARE(map.segment(1)->side, FigureMap::Side::Inside);
    QCOMPARE(map.segment(0)->line, QLineF(10, 110, 110, 110));
    QVERIFY(!map.segment(3));
    const FigureMap::Cover face = map.cover(QRectF(20, 60, 20, 20));
    QCOMPARE(face.painted, face.cells);
    QCOMPARE(face.lines, 0);
    QVERIFY(map.cover(QRectF(20, 30, 20, 10)).lines > 0);
    QCOMPARE(map.cover(QRectF(0, 112, 120, 8)).painted, 0);
    // Beyond the drawing nothing is painted.
    QCOMPARE(map.cover(QRectF(200, 200, 10, 10)).painted, 0);
}

void LabelPlacementTest::placesBesideTheSegment_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("place");
    QTest::addColumn<QRectF>("within"); // where the label must lie, in the SVG's units
    // Below the bottom edge, right of the right edge, and on the face under
    // the bar for the inside segment; the bare square's label outside too.
    QTest::newRow("outer edge below") << "square.svg" << 0 << QRectF(10, 111, 100, 40);
    QTest::newRow("outer edge right") << "square.svg" << 2 << QRectF(111, 10, 60, 100);
    QTest::newRow("inside, off the bar") << "square.svg" << 1 << QRectF(11, 39, 98, 70);
    QTest::newRow("bare edges, outline given") << "bare.svg" << 0 << QRectF(10, 111, 100, 40);
}

void LabelPlacementTest::placesBesideTheSegment()
{
    QFETCH(QString, file);
    QFETCH(int, place);
    QFETCH(QRectF, within);
    written(m_dir, "square.svg", Square);
    written(m_dir, "bare.svg", BareSquare);
    const FigureMap map(m_dir.filePath(file));
    // Drawn at twice its size in a room with space all round.
    const QRectF picture(50, 50, 240, 240);
    const LabelPlacement::Layout layout =
        LabelPlacement::at(map, picture, QRectF(0, 0, 400, 400), {{place, QSizeF(50, 20)}});
    QVERIFY(layout.fits);
    const QRectF label = layout.labels.first();
    const QRectF units((label.topLeft() - picture.topLeft()) / 2, label.size() / 2);
    QVERIFY2(within.contains(units), qPrintable(u"%1,%2 %3x%4"_s.arg(units.x()).arg(units.y()).arg(units.width()).arg(units.height())));
    const FigureMap::Cover under = map.cover(units);
    QCOMPARE(under.lines, 0);
}

void LabelPlacementTest::labelsKeepClearOfEachOther()
{
    // Two labels for one segment: side by side, never on each other.
    const FigureMap map(written(m_dir, "square.svg", Square));
    const LabelPlacement::Layout layout = LabelPlacement::at(map, QRectF(50, 50, 240, 240), QRectF(0, 0, 400, 400),
                                                             {{0, QSizeF(50, 20)}, {0, QSizeF(50, 20)}});
    QVERIFY(layout.fits);
    QVERIFY(!layout.labels[0].intersects(layout.labels[1]));
}

void LabelPlacementTest::aRoomTooSmallSaysSo()
{
    const FigureMap map(written(m_dir, "square.svg", Square));
    // No room beyond the picture for the outer edge's label.
    const QRectF room(0, 0, 120, 120);
    const LabelPlacement::Layout at = LabelPlacement::at(map, room, room, {{0, QSizeF(50, 20)}});
    QVERIFY(!at.fits);
    QVERIFY(at.labels.first().isEmpty());
    // Filling the room shrinks the picture until the label fits under it.
    const LabelPlacement::Layout filled = LabelPlacement::fill(map, room, {{0, QSizeF(30, 12)}});
    QVERIFY(filled.fits);
    QVERIFY(filled.picture.height() < 120);
    QVERIFY(room.contains(filled.labels.first()));
}

void LabelPlacementTest::aBrokenFileGivesAnEmptyMap_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not XML") << QByteArray("\x89PNG\r\n");
    QTest::newRow("cut short") << QByteArray(Square, 200);
    QTest::newRow("no view box") << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><line data-measure=\"a\"/></svg>");
    QTest::newRow("huge view box") << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 1e9 1e9\"/>");
}

void LabelPlacementTest::aBrokenFileGivesAnEmptyMap()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(u"broken.svg"_s);
    QFile::remove(path);
    if (!content.isEmpty())
        written(m_dir, "broken.svg", content.constData());
    const FigureMap map(path);
    QVERIFY(map.isNull());
    const LabelPlacement::Layout layout = LabelPlacement::fill(map, QRectF(0, 0, 100, 100), {{0, QSizeF(10, 10)}});
    QVERIFY(!layout.fits);
}

QTEST_MAIN(LabelPlacementTest)
#include "tst_labelplacement.moc"
