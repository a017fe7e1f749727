// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns the letters of the figures into outlines of Liberation Sans Bold, so
// that they are drawn in the same shapes wherever the program runs, whatever
// fonts the machine has (the SVG renderer would pick its own for a <text>).
//   tramolo-outline-letters FIGURE.svg...
// Rewrites each file in place. A group of letters is written as
//   <g font-family="Liberation Sans, Arial, sans-serif" font-size="15"
//      [font-style="italic"] font-weight="bold" fill="#000">
//     <text x="6" y="76" [fill="#555"]>A</text> ...</g>
// and comes out as
//   <g data-letters="15 [italic]" fill="#000">
//     <path data-letter="A 6 76" [fill="#555"] d="..."/> ...</g>
// which the tool reads again: move a letter by editing its data-letter and
// run the tool once more.

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPainterPath>
#include <QPoint>
#include <QRawFont>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

struct Letters
{
    qreal pixels = 0;
    bool italic = false;
};

QRawFont faceFor(const Letters &letters)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setItalic(letters.italic);
    font.setPixelSize(100);
    QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.familyName() != u"Liberation Sans" || raw.weight() < QFont::Bold
        || (raw.style() != QFont::StyleNormal) != letters.italic) {
        std::fprintf(stderr, "tramolo-outline-letters: Liberation Sans Bold%s is not installed\n",
                     letters.italic ? " Italic" : "");
        std::exit(1);
    }
    raw.setPixelSize(letters.pixels);
    return raw;
}

QString number(qreal n)
{
    return QString::number(n, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

// Tenths of a unit, relative to where each segment starts, each command
// letter written only where it changes: the renderer reads every byte of a
// figure at each start, and a point is a twentieth of a unit off at most.
QString pathData(const QRawFont &face, QChar letter, QPointF at)
{
    const QList<quint32> glyphs = face.glyphIndexesForString(QString(letter));
    const QPainterPath outline = face.pathForGlyph(glyphs.value(0)).translated(at);
    const auto tenths = [](qreal n) { return int(std::lround(n * 10)); };
    const auto inTenths = [](int tenths) {
        QString s = QString::number(tenths / 10.0, 'f', 1);
        if (s.endsWith(u".0"))
            s.chop(2);
        if (s.startsWith(u"0."))
            s.remove(0, 1);
        else if (s.startsWith(u"-0."))
            s.remove(1, 1);
        return s;
    };
    QString d;
    const auto add = [&](int value) {
        const QString n = inTenths(value);
        if (!d.isEmpty() && !d.back().isLetter() && !n.startsWith(u'-'))
            d += u' ';
        d += n;
    };
    QChar command;
    QPoint start(0, 0); // where the segment starts, in tenths
    for (int i = 0; i < outline.elementCount(); ++i) {
        const QPainterPath::Element e = outline.elementAt(i);
        const QChar wanted = e.type == QPainterPath::MoveToElement ? u'm'
                             : e.type == QPainterPath::LineToElement ? u'l'
                                                                     : u'c';
        // After a move, pairs without a letter are lines.
        if (wanted != command || wanted == u'm')
            d += wanted;
        command = wanted == u'm' ? u'l' : wanted;
        const int points = wanted == u'c' ? 3 : 1;
        QPoint end;
        for (int k = 0; k < points; ++k) {
            const QPainterPath::Element p = outline.elementAt(i + k);
            end = QPoint(tenths(p.x), tenths(p.y));
            add(end.x() - start.x());
            add(end.y() - start.y());
        }
        i += points - 1;
        start = end;
    }
    return d + u'z';
}

// One letter as a path, from its text and place.
QString outlined(const QRawFont &face, const QString &indent, QChar letter, qreal x, qreal y,
                 const QString &fill)
{
    return QStringLiteral("%1<path data-letter=\"%2 %3 %4\"%5 d=\"%6\"/>")
        .arg(indent, letter, number(x), number(y), fill, pathData(face, letter, QPointF(x, y)));
}

bool outlineFile(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tramolo-outline-letters: cannot read %s\n", qPrintable(name));
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    file.close();

    static const QRegularExpression textGroup(QStringLiteral(
        "^(\\s*)<g font-family=\"[^\"]*\" font-size=\"([0-9.]+)\"( font-style=\"italic\")? "
        "font-weight=\"bold\"( fill=\"[^\"]*\")>$"));
    static const QRegularExpression pathGroup(
        QStringLiteral("^(\\s*)<g data-letters=\"([0-9.]+)( italic)?\"( fill=\"[^\"]*\")>$"));
    static const QRegularExpression text(
        QStringLiteral("^(\\s*)<text x=\"([-0-9.]+)\" y=\"([-0-9.]+)\"( fill=\"[^\"]*\")?>(.)</text>$"));
    static const QRegularExpression path(QStringLiteral(
        "^(\\s*)<path data-letter=\"(.) ([-0-9.]+) ([-0-9.]+)\"( fill=\"[^\"]*\")? d=\"[^\"]*\"/>$"));

    QStringList out;
    std::optional<QRawFont> face;
    for (const QString &line : lines) {
        QRegularExpressionMatch m;
        if ((m = textGroup.match(line)).hasMatch() || (m = pathGroup.match(line)).hasMatch()) {
            const Letters letters{m.captured(2).toDouble(), !m.captured(3).isEmpty()};
            face = faceFor(letters);
            out << QStringLiteral("%1<g data-letters=\"%2%3\"%4>")
                       .arg(m.captured(1), number(letters.pixels), letters.italic ? QStringLiteral(" italic") : QString(),
                            m.captured(4));
        } else if (face && (m = text.match(line)).hasMatch()) {
            out << outlined(*face, m.captured(1), m.captured(5).at(0), m.captured(2).toDouble(),
                            m.captured(3).toDouble(), m.captured(4));
        } else if (face && (m = path.match(line)).hasMatch()) {
            out << outlined(*face, m.captured(1), m.captured(2).at(0), m.captured(3).toDouble(),
                            m.captured(4).toDouble(), m.captured(5));
        } else {
            if (line.trimmed() == u"</g>")
                face.reset();
            else if (face && line.contains(u"<text")) {
                std::fprintf(stderr, "tramolo-outline-letters: %s: a letter not on one line of its own\n",
                             qPrintable(name));
                return false;
            }
            out << line;
        }
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "tramolo-outline-letters: cannot write %s\n", qPrintable(name));
        return false;
    }
    file.write(out.join(u'\n').toUtf8());
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tramolo-outline-letters FIGURE.svg...\n");
        return 2;
    }
    bool ok = true;
    for (int i = 1; i < argc; ++i)
        ok = outlineFile(QString::fromLocal8Bit(argv[i])) && ok;
    return ok ? 0 : 1;
}
