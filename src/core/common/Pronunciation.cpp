// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pronunciation.h"

#include <QRegularExpression>
#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace Pronunciation {

namespace {

struct Word
{
    const char16_t *written;
    const char16_t *said;
    const char16_t *saidOfOne = nullptr; // after "1", where it differs
};

// Said so only after a number: "4 l" is four litres, "l" alone a side.
constexpr Word Units[] = {
    {u"cm", u"centimetri", u"centimetro"},
    {u"cmq", u"centimetri quadrati", u"centimetro quadrato"},
    {u"cmc", u"centimetri cubi", u"centimetro cubo"},
    {u"dmc", u"decimetri cubi", u"decimetro cubo"},
    {u"l", u"litri", u"litro"},
    {u"g", u"grammi", u"grammo"},
    {u"kg", u"chilogrammi", u"chilogrammo"},
};

// The symbols of the formulas that are not read as they are written.
constexpr Word Symbols[] = {
    {u"Sl", u"superficie laterale"},
    {u"St", u"superficie totale"},
    {u"Ab", u"area di base"},
    {u"ps", u"peso specifico"},
    {u"X", u"incognita"},
};

const Word *find(const Word *words, int count, QStringView written)
{
    for (int i = 0; i < count; ++i) {
        if (written == QStringView(words[i].written))
            return &words[i];
    }
    return nullptr;
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLetter(QChar c) { return c.isLetter() && c != u'π'; }

// "4,05" → "4 virgola zero 5": the decimals' leading zeros are said, the
// rest is a number again.
QString number(QStringView whole, QStringView decimals)
{
    QString said = whole.toString();
    if (decimals.isEmpty())
        return said;
    said += u" virgola"_s;
    qsizetype zeros = 0;
    while (zeros < decimals.size() - 1 && decimals[zeros] == u'0') {
        said += u" zero"_s;
        ++zeros;
    }
    return said + u' ' + decimals.mid(zeros).toString();
}

// A fraction of terms from 1 to 9 by its Italian name: "un terzo", "tre
// quarti", "cinque mezzi"; none for others.
QString fraction(QStringView numerator, int denominator)
{
    static const char16_t *const Numerals[] = {u"un", u"due", u"tre", u"quattro", u"cinque", u"sei", u"sette", u"otto", u"nove"};
    // The denominator's name, of one part and of more.
    static const char16_t *const Parts[][2] = {{u"mezzo", u"mezzi"},   {u"terzo", u"terzi"},     {u"quarto", u"quarti"},
                                               {u"quinto", u"quinti"}, {u"sesto", u"sesti"},     {u"settimo", u"settimi"},
                                               {u"ottavo", u"ottavi"}, {u"nono", u"noni"}};
    bool ok = false;
    const int n = numerator.toInt(&ok);
    if (!ok || n < 1 || n > 9 || denominator < 2 || denominator > 9)
        return {};
    return QString::fromUtf16(Numerals[n - 1]) + u' ' + QString::fromUtf16(Parts[denominator - 2][n == 1 ? 0 : 1]);
}

class Reader
{
public:
    explicit Reader(QStringView text) : m_text(text) {}

    QString read()
    {
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at];
            if (isDigit(c))
                readNumber();
            else if (isLetter(c))
                readWord();
            else
                readSign(c);
        }
        return m_out.simplified();
    }

private:
    QChar peek(qsizetype ahead = 1) const
    {
        return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : QChar();
    }

    void say(QStringView words)
    {
        m_out += u' ';
        m_out += words;
        m_out += u' ';
    }

    void readNumber()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && isDigit(m_text[m_at]))
            ++m_at;
        const QStringView whole = m_text.mid(start, m_at - start);
        QStringView decimals;
        if (m_at + 1 < m_text.size() && m_text[m_at] == u',' && isDigit(m_text[m_at + 1])) {
            const qsizetype from = ++m_at;
            while (m_at < m_text.size() && isDigit(m_text[m_at]))
                ++m_at;
            decimals = m_text.mid(from, m_at - from);
        }
        // "2p", the perimeter, is a symbol, not a number.
        if (whole == u"2" && decimals.isEmpty() && m_at < m_text.size() && m_text[m_at] == u'p'
            && !(m_at + 1 < m_text.size() && isLetter(m_text[m_at + 1]))) {
            ++m_at;
            say(u"perimetro");
            m_lastNumber.clear();
            return;
        }
        // "3/4": a fraction, said by its name, "tre quarti".
        if (decimals.isEmpty() && m_at + 1 < m_text.size() && m_text[m_at] == u'/' && isDigit(m_text[m_at + 1])
            && !(m_at + 2 < m_text.size() && isDigit(m_text[m_at + 2]))) {
            if (const QString name = fraction(whole, m_text[m_at + 1].digitValue()); !name.isEmpty()) {
                m_at += 2;
                say(name);
                m_lastNumber.clear();
                return;
            }
        }
        say(number(whole, decimals));
        m_lastNumber = decimals.isEmpty() ? whole.toString() : QString();
        m_afterNumber = true;
    }

    void readWord()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && (isLetter(m_text[m_at]) || isDigit(m_text[m_at])))
            ++m_at;
        const QStringView word = m_text.mid(start, m_at - start);
        const bool afterNumber = m_afterNumber;
        m_afterNumber = false;
        if (afterNumber) {
            // "7,8 g/cmc": a specific weight.
            if (word == u"g" && m_text.mid(m_at).startsWith(u"/cmc")) {
                m_at += 4;
                say(u"grammi al centimetro cubo");
                return;
            }
            if (const Word *unit = find(Units, int(std::size(Units)), word)) {
                const bool one = m_lastNumber == u"1" && unit->saidOfOne;
                say(one ? unit->saidOfOne : unit->said);
                return;
            }
        }
        if (const Word *symbol = find(Symbols, int(std::size(Symbols)), word)) {
            say(symbol->said);
            return;
        }
        say(word);
    }

    void readSign(QChar c)
    {
        ++m_at;
        // A sign between a number and its unit ("45π cmc") keeps the unit.
        const bool keepsNumber = c == u'π' || c == u' ';
        if (!keepsNumber)
            m_afterNumber = false;
        switch (c.unicode()) {
        case u'√': root(u"radice quadrata di"); return;
        case u'∛': root(u"radice cubica di"); return;
        case u'³':
            if (peek(0) == u'√') {
                ++m_at;
                root(u"radice cubica di");
            } else {
                say(u"al cubo");
            }
            return;
        case u'²': say(u"al quadrato"); return;
        case u'π': say(u"pi greco"); return;
        case u'·': say(u"per"); return;
        case u'+': say(u"più"); return;
        case u'−': say(u"meno"); return;
        case u'=': say(u"uguale a"); return;
        case u'≈': say(u"circa"); return;
        case u'►': return;
        case u'—': say(u","); return;
        case u'(':
        case u')':
            say(u",");
            return;
        case u':':
            // Between blanks a division; after a word, a pause.
            if (m_at >= 2 && m_text[m_at - 2] == u' ')
                say(u"diviso");
            else
                m_out += u':';
            return;
        case u'-':
            if (m_at >= 2 && m_text[m_at - 2] == u' ' && peek(0) == u' ')
                say(u"meno");
            else
                m_out += u' ';
            return;
        default:
            m_out += c;
        }
    }

    // "√(…)" is the root of all that the brackets hold: no pause after "di".
    void root(QStringView words)
    {
        say(words);
        if (peek(0) == u'(')
            ++m_at;
    }

    QStringView m_text;
    qsizetype m_at = 0;
    QString m_out;
    QString m_lastNumber;
    bool m_afterNumber = false;
};

} // namespace

QString spoken(QStringView text)
{
    QString said = Reader(text).read();
    // Punctuation back against its word; the pauses the brackets leave: none
    // doubled, none before a full stop.
    static const QRegularExpression beforePunctuation(u"\\s+([,.;:!?])"_s);
    said.replace(beforePunctuation, u"\\1"_s);
    while (said.contains(u",,"_s))
        said.replace(u",,"_s, u","_s);
    said.replace(u",."_s, u"."_s);
    return said.simplified();
}

} // namespace Pronunciation
