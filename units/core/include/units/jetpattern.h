#ifndef BRIMLOW_JETPATTERN_H
#define BRIMLOW_JETPATTERN_H

// The `like` comparison of the unit statements, with the wildcards the unit
// file's original engine used:
//   *        any run of characters, also none
//   ?        exactly one character
//   #        exactly one digit 0-9
//   [abc]    one character of the list; ranges such as [a-c] are allowed, a
//            hyphen first or last in the list stands for itself
//   [!abc]   one character not in the list
//   []       nothing (matches the empty text at that place)
// Every other character, ']' outside a list included, stands for itself.
// Letter case is ignored everywhere, ranges included ([a-c] matches "B").
// A pattern the engine would refuse (a '[' without its ']', or a range whose
// ends are reversed such as [c-a]) matches no text at all.

#include <QList>
#include <QString>
#include <QStringView>

class JetPattern final
{
public:
    explicit JetPattern(QStringView pattern);

    bool isValid() const { return m_valid; }
    bool matches(QStringView text) const;

private:
    struct Range
    {
        char16_t first;
        char16_t last;
    };
    struct Token
    {
        enum Kind { AnyRun, AnyOne, Digit, Literal, List } kind = Literal;
        char16_t literal = 0; // folded
        bool negated = false;
        QList<Range> ranges; // folded ends
    };

    bool tokenMatches(const Token &token, QChar c) const;

    QList<Token> m_tokens;
    bool m_valid = true;
};

// True when the whole of text matches pattern.
bool jetLike(QStringView text, QStringView pattern);

#endif
