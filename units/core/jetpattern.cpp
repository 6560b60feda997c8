#include "units/jetpattern.h"

namespace {

char16_t fold(QChar c)
{
    return c.toCaseFolded().unicode();
}

} // namespace

JetPattern::JetPattern(QStringView pattern)
{
    const qsizetype n = pattern.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = pattern[i];
        Token token;
        token.kind = Token::Literal;
        if (c == u'*') {
            // A run of stars is one star; keeping one makes matching linear in them.
            if (!m_tokens.isEmpty() && m_tokens.last().kind == Token::AnyRun)
                continue;
            token.kind = Token::AnyRun;
        } else if (c == u'?') {
            token.kind = Token::AnyOne;
        } else if (c == u'#') {
            token.kind = Token::Digit;
        } else if (c == u'[') {
            qsizetype j = i + 1;
            token.kind = Token::List;
            if (j < n && pattern[j] == u'!') {
                token.negated = true;
                ++j;
            }
            const qsizetype listStart = j;
            while (j < n && pattern[j] != u']')
                ++j;
            if (j >= n) {
                m_valid = false;
                m_tokens.clear();
                return;
            }
            const qsizetype listEnd = j;
            for (qsizetype k = listStart; k < listEnd; ++k) {
                const char16_t first = fold(pattern[k]);
                // A hyphen between two characters makes a range; first or last it is literal.
                if (k + 2 < listEnd && pattern[k + 1] == u'-') {
                    const char16_t last = fold(pattern[k + 2]);
                    if (last < first) {
                        m_valid = false;
                        m_tokens.clear();
                        return;
                    }
                    token.ranges.append({ first, last });
                    k += 2;
                } else {
                    token.ranges.append({ first, first });
                }
            }
            i = listEnd;
            // "[]" stands for nothing; "[!]" is one character that is in no list: any.
            if (token.ranges.isEmpty() && !token.negated)
                continue;
        } else {
            token.literal = fold(c);
        }
        m_tokens.append(token);
    }
}

bool JetPattern::tokenMatches(const Token &token, QChar c) const
{
    switch (token.kind) {
    case Token::AnyOne:
        return true;
    case Token::Digit:
        return c >= u'0' && c <= u'9';
    case Token::Literal:
        return fold(c) == token.literal;
    case Token::List: {
        const char16_t f = fold(c);
        bool inList = false;
        for (const Range &r : token.ranges) {
            if (f >= r.first && f <= r.last) {
                inList = true;
                break;
            }
        }
        return inList != token.negated;
    }
    case Token::AnyRun:
        break;
    }
    return false;
}

bool JetPattern::matches(QStringView text) const
{
    if (!m_valid)
        return false;
    // Every token but the star takes exactly one character, so the usual
    // two-pointer walk with a return point at the last star is enough.
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype starToken = -1;
    qsizetype starText = 0;
    const qsizetype tokenCount = m_tokens.size();
    while (t < text.size()) {
        if (p < tokenCount && m_tokens[p].kind == Token::AnyRun) {
            starToken = p++;
            starText = t;
        } else if (p < tokenCount && tokenMatches(m_tokens[p], text[t])) {
            ++p;
            ++t;
        } else if (starToken >= 0) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < tokenCount && m_tokens[p].kind == Token::AnyRun)
        ++p;
    return p == tokenCount;
}

bool jetLike(QStringView text, QStringView pattern)
{
    return JetPattern(pattern).matches(text);
}
