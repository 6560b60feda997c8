// Fuzzes the Jet-style `like` matcher against a plain reference matcher written
// here from the rules in jetpattern.h: the compiled JetPattern, jetLike, and the
// `like` that the unit statements run inside the database engine must all give
// the reference's answer for every pattern and name, letter case ignored.
//
// Input: the pattern, then byte 0x00, then names separated by 0x00. A byte below
// 0x80 is that ASCII character; a byte from 0x80 up picks one of a few
// characters whose case rules are not ASCII's (see `extra` below).

#include "units/jetpattern.h"
#include "units/jetsql.h"

#include <sqlite3.h>

#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

[[noreturn]] void fail(const char *what, const QString &pattern, const QString &name, bool expected)
{
    std::fprintf(stderr, "%s\npattern [%s]\nname    [%s]\nreference says %s\n", what,
        pattern.toUtf8().constData(), name.toUtf8().constData(), expected ? "match" : "no match");
    std::abort();
}

const QString &extra()
{
    // Letters whose folding differs from ASCII's, a title-case letter, a digit
    // that is no 0-9, and a character outside the basic plane (two UTF-16 units).
    static const QString chars = QString::fromUtf8("éÉßſKΣσςİıǅǆ٣ÀàŸÿ") + QString::fromUcs4(U"\U0001F600", 1);
    return chars;
}

QString decode(const uint8_t *data, size_t size)
{
    QString text;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80) {
            text.append(QChar(char16_t(data[i])));
        } else {
            const QString &chars = extra();
            text.append(chars.at(data[i] % chars.size()));
        }
    }
    return text;
}

// The reference ---------------------------------------------------------------
//
// Reads the pattern element by element at every step and tries every length a
// star can take, remembering the (pattern, name) positions already settled.

char16_t folded(QChar c)
{
    return c.toCaseFolded().unicode();
}

struct Element
{
    enum Kind { Star, AnyOne, Digit, Char, Set, Nothing } kind = Char;
    QChar c;
    bool negated = false;
    std::vector<std::pair<char16_t, char16_t>> ranges;
    qsizetype next = 0; // pattern position after the element
};

// The element at position i, or nothing when the pattern is refused there.
std::optional<Element> elementAt(const QString &pattern, qsizetype i)
{
    Element e;
    e.next = i + 1;
    const QChar c = pattern.at(i);
    if (c == u'*') {
        e.kind = Element::Star;
    } else if (c == u'?') {
        e.kind = Element::AnyOne;
    } else if (c == u'#') {
        e.kind = Element::Digit;
    } else if (c == u'[') {
        const qsizetype close = pattern.indexOf(u']', i + 1);
        if (close < 0)
            return std::nullopt;
        QString list = pattern.mid(i + 1, close - i - 1);
        e.next = close + 1;
        if (list.startsWith(u'!')) {
            e.negated = true;
            list.remove(0, 1);
        }
        if (list.isEmpty() && !e.negated) {
            e.kind = Element::Nothing;
            return e;
        }
        e.kind = Element::Set;
        qsizetype k = 0;
        while (k < list.size()) {
            // "a-c" is a range when there is a character on both sides.
            if (k + 2 < list.size() && list.at(k + 1) == u'-') {
                const char16_t from = folded(list.at(k));
                const char16_t to = folded(list.at(k + 2));
                if (to < from)
                    return std::nullopt;
                e.ranges.emplace_back(from, to);
                k += 3;
            } else {
                e.ranges.emplace_back(folded(list.at(k)), folded(list.at(k)));
                ++k;
            }
        }
    } else {
        e.kind = Element::Char;
        e.c = c;
    }
    return e;
}

bool takes(const Element &e, QChar c)
{
    switch (e.kind) {
    case Element::AnyOne:
        return true;
    case Element::Digit:
        return c.unicode() >= u'0' && c.unicode() <= u'9';
    case Element::Char:
        return folded(c) == folded(e.c);
    case Element::Set: {
        bool in = false;
        for (const auto &[from, to] : e.ranges)
            in = in || (folded(c) >= from && folded(c) <= to);
        return in != e.negated;
    }
    case Element::Star:
    case Element::Nothing:
        break;
    }
    return false;
}

bool patternIsValid(const QString &pattern)
{
    for (qsizetype i = 0; i < pattern.size();) {
        const std::optional<Element> e = elementAt(pattern, i);
        if (!e)
            return false;
        i = e->next;
    }
    return true;
}

class Reference
{
public:
    Reference(const QString &pattern, const QString &name)
        : m_pattern(pattern)
        , m_name(name)
        , m_memo(size_t(pattern.size() + 1) * size_t(name.size() + 1), -1)
    { }

    bool matches() { return patternIsValid(m_pattern) && from(0, 0); }

private:
    bool from(qsizetype p, qsizetype t)
    {
        if (p == m_pattern.size())
            return t == m_name.size();
        signed char &memo = m_memo[size_t(p) * size_t(m_name.size() + 1) + size_t(t)];
        if (memo >= 0)
            return memo == 1;
        const Element e = *elementAt(m_pattern, p);
        bool result = false;
        if (e.kind == Element::Star)
            result = from(e.next, t) || (t < m_name.size() && from(p, t + 1));
        else if (e.kind == Element::Nothing)
            result = from(e.next, t);
        else
            result = t < m_name.size() && takes(e, m_name.at(t)) && from(e.next, t + 1);
        memo = result ? 1 : 0;
        return result;
    }

    const QString &m_pattern;
    const QString &m_name;
    std::vector<signed char> m_memo;
};

// The engine ----------------------------------------------------------------------

// The names in a table and the rows a `like` with a bound pattern selects, as
// the list statements run it (one compiled pattern for every row).
struct Engine
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *clear = nullptr;
    sqlite3_stmt *insert = nullptr;
    sqlite3_stmt *select = nullptr;

    Engine()
    {
        if (sqlite3_open(":memory:", &db) != SQLITE_OK || jetsql::install(db) != SQLITE_OK
            || sqlite3_exec(db, "create table names (unit text)", nullptr, nullptr, nullptr) != SQLITE_OK
            || sqlite3_prepare_v2(db, "delete from names", -1, &clear, nullptr) != SQLITE_OK
            || sqlite3_prepare_v2(db, "insert into names (rowid, unit) values (?1, ?2)", -1, &insert, nullptr)
                != SQLITE_OK
            || sqlite3_prepare_v2(
                   db, "select rowid from names where unit like ?1 order by rowid", -1, &select, nullptr)
                != SQLITE_OK) {
            std::fprintf(stderr, "engine: %s\n", sqlite3_errmsg(db));
            std::abort();
        }
    }

    static void bind(sqlite3_stmt *stmt, int index, const QByteArray &text)
    {
        sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }

    QList<qsizetype> selected(const QString &pattern, const QList<QString> &names)
    {
        sqlite3_reset(clear);
        sqlite3_step(clear);
        for (qsizetype i = 0; i < names.size(); ++i) {
            sqlite3_reset(insert);
            sqlite3_bind_int64(insert, 1, i);
            bind(insert, 2, names[i].toUtf8());
            if (sqlite3_step(insert) != SQLITE_DONE)
                std::abort();
        }
        QList<qsizetype> rows;
        sqlite3_reset(select);
        bind(select, 1, pattern.toUtf8());
        int rc;
        while ((rc = sqlite3_step(select)) == SQLITE_ROW)
            rows.append(qsizetype(sqlite3_column_int64(select, 0)));
        if (rc != SQLITE_DONE) {
            std::fprintf(stderr, "engine: %s\n", sqlite3_errmsg(db));
            std::abort();
        }
        return rows;
    }
};

// Text as it comes back from the engine's UTF-8 (a lone surrogate does not).
QString throughUtf8(const QString &text)
{
    return QString::fromUtf8(text.toUtf8());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Unit names and list patterns are short; longer inputs only slow the search.
    if (size > 512)
        return 0;
    QList<QString> parts { QString() };
    size_t start = 0;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            parts.last() = decode(data + start, i - start);
            parts.append(QString());
            start = i + 1;
        }
    }
    parts.removeLast();
    const QString pattern = parts.takeFirst();
    if (parts.isEmpty())
        parts.append(QString());

    const JetPattern compiled(pattern);
    if (compiled.isValid() != patternIsValid(pattern))
        fail(compiled.isValid() ? "refused pattern taken as valid" : "valid pattern refused", pattern,
            QString(), false);
    for (const QString &name : parts) {
        const bool expected = Reference(pattern, name).matches();
        if (compiled.matches(name) != expected)
            fail("JetPattern::matches differs from the reference", pattern, name, expected);
        if (jetLike(name, pattern) != expected)
            fail("jetLike differs from the reference", pattern, name, expected);
    }

    static Engine engine;
    const QString enginePattern = throughUtf8(pattern);
    QList<QString> engineNames;
    for (const QString &name : parts)
        engineNames.append(throughUtf8(name));
    const QList<qsizetype> rows = engine.selected(enginePattern, engineNames);
    for (qsizetype i = 0; i < engineNames.size(); ++i) {
        const bool expected = Reference(enginePattern, engineNames[i]).matches();
        if (rows.contains(i) != expected)
            fail("the engine's like differs from the reference", enginePattern, engineNames[i], expected);
    }
    return 0;
}
