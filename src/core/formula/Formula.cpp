// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Formula.h"

#include <vector>

using namespace Qt::Literals::StringLiterals;

// The tree of the formula's right side. Brackets are nodes of their own, so
// that a worked step writes the brackets the formula has, and no other.
struct Formula::Node
{
    enum Kind : quint8 { Number, Symbol, Pi, Add, Subtract, Multiply, Divide, Power, Root, Bracket };

    Kind kind = Number;
    int degree = 0;  // a power's exponent, a root's index
    Value value;     // a number's
    QString name;    // a symbol's; a number written in the formula, as written ("3/4")
    std::vector<Node> children;

    bool isBinary() const { return kind >= Add && kind <= Divide; }
    bool isAtom() const { return kind == Number || kind == Symbol || kind == Pi || kind == Power || kind == Root; }
};

using Node = Formula::Node;

namespace {

constexpr int MostSteps = 12;

// The reader: a recursive descent over the text, one character ahead.
class Reader
{
public:
    explicit Reader(QStringView text) : m_text(text) {}

    QString error;

    Node expression()
    {
        Node left = term();
        while (error.isEmpty()) {
            skipBlanks();
            const QChar c = peek();
            Node::Kind kind;
            if (c == u'+')
                kind = Node::Add;
            else if (c == u'−' || c == u'-')
                kind = Node::Subtract;
            else
                break;
            ++m_at;
            left = binary(kind, std::move(left), term());
        }
        return left;
    }

    bool atEnd()
    {
        skipBlanks();
        return m_at >= m_text.size();
    }

    // A symbol alone, for the left side of the formula.
    QString symbol()
    {
        skipBlanks();
        Node n = primary();
        if (error.isEmpty() && n.kind != Node::Symbol)
            fail(u"the left side is not a symbol"_s);
        return n.name;
    }

    // Nothing may follow what was read.
    void end()
    {
        if (!atEnd())
            fail(u"unexpected '%1'"_s.arg(peek()));
    }

    void expect(QChar c)
    {
        skipBlanks();
        if (peek() != c)
            fail(u"'%1' expected"_s.arg(c));
        else
            ++m_at;
    }

private:
    static Node binary(Node::Kind kind, Node left, Node right)
    {
        Node n;
        n.kind = kind;
        n.children.push_back(std::move(left));
        n.children.push_back(std::move(right));
        return n;
    }

    Node term()
    {
        Node left = factor();
        while (error.isEmpty()) {
            skipBlanks();
            const QChar c = peek();
            Node::Kind kind;
            if (c == u'·' || c == u'*')
                kind = Node::Multiply;
            else if (c == u':')
                kind = Node::Divide;
            else
                break;
            ++m_at;
            left = binary(kind, std::move(left), factor());
        }
        return left;
    }

    Node factor()
    {
        Node base = primary();
        while (error.isEmpty() && (peek() == u'²' || peek() == u'³')) {
            Node power;
            power.kind = Node::Power;
            power.degree = peek() == u'²' ? 2 : 3;
            power.children.push_back(std::move(base));
            base = std::move(power);
            ++m_at;
        }
        return base;
    }

    Node primary()
    {
        skipBlanks();
        Node n;
        const QChar c = peek();
        if (c == u'(') {
            ++m_at;
            n.kind = Node::Bracket;
            n.children.push_back(expression());
            expect(u')');
        } else if (c == u'√' || c == u'∛') {
            ++m_at;
            n.kind = Node::Root;
            n.degree = c == u'√' ? 2 : 3;
            n.children.push_back(factor());
        } else if (c == u'π') {
            ++m_at;
            n.kind = Node::Pi;
        } else if (c.isDigit()) {
            n = number();
        } else if (isLetter(c)) {
            n.kind = Node::Symbol;
            n.name = word();
        } else {
            fail(m_at < m_text.size() ? u"unexpected '%1'"_s.arg(c) : u"unexpected end"_s);
        }
        return n;
    }

    // "12", "2,5", "3/4" (a fraction as written), "4π", or a symbol that
    // begins with digits ("2p").
    Node number()
    {
        const qsizetype start = m_at;
        while (peek().isDigit() || (peek() == u',' && m_at + 1 < m_text.size() && m_text[m_at + 1].isDigit()))
            ++m_at;
        Node n;
        if (isLetter(peek())) {
            n.kind = Node::Symbol;
            n.name = m_text.mid(start, m_at - start).toString();
            n.name += word();
            return n;
        }
        const std::optional<Rational> whole = Rational::fromDecimal(m_text.mid(start, m_at - start));
        if (!whole) {
            fail(u"bad number"_s);
            return n;
        }
        n.value = *whole;
        if (peek() == u'/' && m_at + 1 < m_text.size() && m_text[m_at + 1].isDigit()) {
            ++m_at;
            const qsizetype below = m_at;
            while (peek().isDigit())
                ++m_at;
            const auto denominator = Rational::fromDecimal(m_text.mid(below, m_at - below));
            n.value = *whole / *denominator;
            if (!n.value.isValid())
                fail(u"a fraction over zero"_s);
            n.name = m_text.mid(start, m_at - start).toString();
        } else if (peek() == u'π') {
            ++m_at;
            n.value = Value::timesPi(*whole);
        }
        return n;
    }

    QString word()
    {
        const qsizetype start = m_at;
        while (isLetter(peek()) || (m_at > start && peek().isDigit()))
            ++m_at;
        return m_text.mid(start, m_at - start).toString();
    }

    static bool isLetter(QChar c) { return c.unicode() < 128 && c.isLetter(); }

    QChar peek() const { return m_at < m_text.size() ? m_text[m_at] : QChar(); }

    void skipBlanks()
    {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
    }

    void fail(const QString &why)
    {
        if (error.isEmpty())
            error = why + u" at "_s + QString::number(m_at);
        m_at = m_text.size();
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

// Evaluation, with the symbols' values; a missing symbol is invalid.
Value evaluate(const Node &n, const Symbols &values)
{
    switch (n.kind) {
    case Node::Number:
        return n.value;
    case Node::Symbol:
        return values.value(n.name, Value::invalid());
    case Node::Pi:
        return Value::timesPi(1);
    case Node::Bracket:
        return evaluate(n.children[0], values);
    case Node::Power: {
        const Value base = evaluate(n.children[0], values);
        Value v = base;
        for (int i = 1; i < n.degree; ++i)
            v = v * base;
        return v;
    }
    case Node::Root: {
        const Value under = evaluate(n.children[0], values);
        if (!under.isValid() || !under.isPlain())
            return Value::invalid();
        const std::optional<Rational> root = under.plain().exactRoot(n.degree);
        return root ? Value(*root) : Value::invalid();
    }
    default:
        break;
    }
    const Value a = evaluate(n.children[0], values);
    const Value b = evaluate(n.children[1], values);
    switch (n.kind) {
    case Node::Add:
        return a + b;
    case Node::Subtract:
        return a - b;
    case Node::Multiply:
        return a * b;
    default:
        return a / b;
    }
}

// The square of a product of plain numbers and square roots, which need
// not be whole: l·√3 squared is 3·l².
Rational squareOf(const Node &n, const Symbols &values)
{
    switch (n.kind) {
    case Node::Bracket:
        return squareOf(n.children[0], values);
    case Node::Multiply:
        return squareOf(n.children[0], values) * squareOf(n.children[1], values);
    case Node::Divide:
        return squareOf(n.children[0], values) / squareOf(n.children[1], values);
    case Node::Root:
        if (n.degree == 2) {
            const Value under = evaluate(n.children[0], values);
            return under.isPlain() ? under.plain() : Rational::invalid();
        }
        break;
    default:
        break;
    }
    const Value v = evaluate(n, values);
    return v.isPlain() ? v.plain() * v.plain() : Rational::invalid();
}

void collectSymbols(const Node &n, QStringList &out)
{
    if (n.kind == Node::Symbol && !out.contains(n.name))
        out << n.name;
    for (const Node &child : n.children)
        collectSymbols(child, out);
}

// Writing a tree back, as the formula writes it.
QString write(const Node &n, bool tight)
{
    switch (n.kind) {
    case Node::Number: {
        if (!n.name.isEmpty())
            return n.name;
        const QString text = n.value.text();
        // A value with a plain and a π part is one number: it keeps together.
        return n.value.hasPi() && !n.value.isPiMultiple() ? u'(' + text + u')' : text;
    }
    case Node::Symbol:
        return n.name;
    case Node::Pi:
        return u"π"_s;
    case Node::Bracket:
        return u'(' + write(n.children[0], tight) + u')';
    case Node::Power:
        return write(n.children[0], tight) + (n.degree == 2 ? u"²"_s : u"³"_s);
    case Node::Root:
        return (n.degree == 2 ? u"√"_s : u"∛"_s) + write(n.children[0], tight);
    case Node::Add:
        return write(n.children[0], tight) + u" + "_s + write(n.children[1], tight);
    case Node::Subtract:
        return write(n.children[0], tight) + u" − "_s + write(n.children[1], tight);
    case Node::Multiply:
        return write(n.children[0], tight) + (tight ? u"·"_s : u" · "_s) + write(n.children[1], tight);
    case Node::Divide:
        return write(n.children[0], tight) + u" : "_s + write(n.children[1], tight);
    }
    return {};
}

Node numberNode(const Value &v)
{
    Node n;
    n.kind = Node::Number;
    n.value = v;
    return n;
}

void substitute(Node &n, const Symbols &values)
{
    if (n.kind == Node::Symbol) {
        n = numberNode(values.value(n.name, Value::invalid()));
        return;
    }
    for (Node &child : n.children)
        substitute(child, values);
}

bool has(const Node &n, bool (*test)(const Node &))
{
    if (test(n))
        return true;
    for (const Node &child : n.children) {
        if (has(child, test))
            return true;
    }
    return false;
}

bool showsPi(const Node &n)
{
    return has(n, [](const Node &m) { return m.kind == Node::Pi || (m.kind == Node::Number && m.value.hasPi()); });
}

// A division of a multiple of π by a multiple of π that shows its π: the
// π cancels, and the chain shows it doing so.
bool cancelsPi(const Node &n)
{
    if (n.kind != Node::Divide || !showsPi(n.children[1]))
        return false;
    const Value a = evaluate(n.children[0], {});
    const Value b = evaluate(n.children[1], {});
    return a.isPiMultiple() && b.isPiMultiple();
}

bool hasPiDivision(const Node &n)
{
    return has(n, cancelsPi);
}

// Nothing left that the chain should show apart: no bracket, no root, no
// π to cancel. What remains is worked out at once.
bool collapsible(const Node &n)
{
    return !has(n, [](const Node &m) { return m.kind == Node::Bracket || m.kind == Node::Root; })
        && !hasPiDivision(n);
}

// A bracket that holds numbers and operations alone.
bool plainBracket(const Node &n)
{
    if (n.kind != Node::Bracket)
        return false;
    const Node &inside = n.children[0];
    return !has(inside, [](const Node &m) { return m.kind == Node::Bracket || m.kind == Node::Power || m.kind == Node::Root; })
        && !hasPiDivision(inside);
}

bool workBrackets(Node &n)
{
    if (plainBracket(n)) {
        const Value v = evaluate(n.children[0], {});
        if (!v.isValid())
            return false;
        n = numberNode(v);
        return true;
    }
    bool changed = false;
    for (Node &child : n.children)
        changed = workBrackets(child) || changed;
    return changed;
}

// Takes π out of a multiple of π as written: 45π becomes 45, π · 9
// becomes 9, (π · 3²) becomes 3². False, leaving it as it was, where π
// does not stand as a factor.
bool stripPi(Node &n)
{
    switch (n.kind) {
    case Node::Number:
        if (!n.value.isPiMultiple())
            return false;
        n = numberNode(n.value.pi());
        return true;
    case Node::Pi:
        n = numberNode(1);
        return true;
    case Node::Bracket:
        if (!stripPi(n.children[0]))
            return false;
        if (n.children[0].isAtom()) {
            Node inside = std::move(n.children[0]);
            n = std::move(inside);
        }
        return true;
    case Node::Multiply:
    case Node::Divide: {
        const int side = showsPi(n.children[0]) ? 0 : 1;
        if (n.kind == Node::Divide && side == 1)
            return false;
        if (!stripPi(n.children[side]))
            return false;
        const Node &stripped = n.children[side];
        if (n.kind == Node::Multiply && stripped.kind == Node::Number && stripped.name.isEmpty()
            && stripped.value == Value(1)) {
            Node other = std::move(n.children[1 - side]);
            n = std::move(other);
        }
        return true;
    }
    default:
        return false;
    }
}

bool cancelPi(Node &n)
{
    if (cancelsPi(n)) {
        Node trial = n;
        if (stripPi(trial.children[0]) && stripPi(trial.children[1])) {
            n = std::move(trial);
            return true;
        }
    }
    bool changed = false;
    for (Node &child : n.children)
        changed = cancelPi(child) || changed;
    return changed;
}

bool workPowers(Node &n)
{
    bool changed = false;
    for (Node &child : n.children)
        changed = workPowers(child) || changed;
    if (n.kind == Node::Power && n.children[0].kind == Node::Number) {
        n = numberNode(evaluate(n, {}));
        return true;
    }
    return changed;
}

bool workRoots(Node &n)
{
    bool changed = false;
    for (Node &child : n.children)
        changed = workRoots(child) || changed;
    if (n.kind == Node::Root && n.children[0].kind == Node::Number) {
        const Value v = evaluate(n, {});
        if (v.isValid()) {
            n = numberNode(v);
            return true;
        }
    }
    return changed;
}

// One step of the chain, by fixed rules, the first that applies: brackets
// of numbers alone are worked out; else powers, with π cancelled in a
// division; else roots whose radicand is a number.
bool step(Node &n)
{
    if (workBrackets(n))
        return true;
    const bool cancelled = cancelPi(n);
    const bool raised = workPowers(n);
    if (cancelled || raised)
        return true;
    return workRoots(n);
}

} // namespace

QString FormulaEntry::symbol() const
{
    return Formula(*this).symbol();
}

Formula::Formula(QStringView text, int decimals)
    : m_text(text.toString()), m_decimals(decimals)
{
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0) {
        m_error = u"no '='"_s;
        return;
    }
    Reader left(text.first(equals));
    m_symbol = left.symbol();
    left.end();
    Reader right(text.sliced(equals + 1));
    Node tree = right.expression();
    right.end();
    m_error = !left.error.isEmpty() ? left.error : right.error;
    m_right = std::make_unique<Node>(std::move(tree));
    // "4·l²" against "2 · l · a": the chain writes its numbers the same way.
    const qsizetype dot = text.indexOf(u'·');
    m_tight = dot > 0 && !text[dot - 1].isSpace();
}

Formula::Formula(const FormulaEntry &entry)
    : Formula(QStringView(entry.text), entry.decimals)
{
}

Formula::~Formula() = default;

Formula::Formula(const Formula &other)
    : m_text(other.m_text), m_symbol(other.m_symbol), m_decimals(other.m_decimals), m_tight(other.m_tight),
      m_error(other.m_error), m_right(other.m_right ? std::make_unique<Node>(*other.m_right) : nullptr)
{
}

Formula &Formula::operator=(const Formula &other)
{
    if (this != &other) {
        Formula copy(other);
        std::swap(m_text, copy.m_text);
        std::swap(m_symbol, copy.m_symbol);
        std::swap(m_decimals, copy.m_decimals);
        std::swap(m_tight, copy.m_tight);
        std::swap(m_error, copy.m_error);
        std::swap(m_right, copy.m_right);
    }
    return *this;
}

QStringList Formula::uses() const
{
    QStringList out;
    if (m_right)
        collectSymbols(*m_right, out);
    return out;
}

Value Formula::evaluate(const Symbols &values) const
{
    if (!isValid())
        return Value::invalid();
    if (isRounded())
        return Value(square(values).roundedSquareRoot(m_decimals));
    return ::evaluate(*m_right, values);
}

Rational Formula::square(const Symbols &values) const
{
    return isValid() ? squareOf(*m_right, values) : Rational::invalid();
}

QString Formula::worked(const Symbols &values, QStringView unit) const
{
    const Value value = evaluate(values);
    if (!isValid())
        return m_text;
    Node n = *m_right;
    substitute(n, values);
    QStringList chain{m_text};
    const auto add = [&chain, this](const Node &node) {
        const QString text = write(node, m_tight);
        if (chain.last() != text)
            chain << text;
    };
    if (n.kind != Node::Number)
        add(n);
    for (int i = 0; i < MostSteps && n.kind != Node::Number && !collapsible(n) && step(n); ++i) {
        if (n.kind != Node::Number)
            add(n);
    }
    const QString end = valueWithUnit(value, unit);
    if (isRounded() && value != ::evaluate(*m_right, values))
        return chain.join(u" = "_s) + u" ≈ "_s + end;
    return chain.join(u" = "_s) + u" = "_s + end;
}

QString valueWithUnit(const Value &value, QStringView unit)
{
    const QString u = unit.isEmpty() ? QString() : u' ' + unit.toString();
    if (value.isPlain())
        return value.text() + u;
    return value.text() + u + u" ≈ "_s + value.withSchoolPi().rounded(2).text() + u;
}
