#include "units/jetpattern.h"

#include <QTest>

class tst_JetPattern : public QObject
{
    Q_OBJECT

private slots:
    void like_data();
    void like();
    void compiledPatternMatchesLikeFunction_data();
    void compiledPatternMatchesLikeFunction();
};

void tst_JetPattern::like_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");

    // The list statements' own patterns.
    QTest::newRow("ter inside a word") << "Quarter (UK)"
                                       << "*ter*" << true;
    QTest::newRow("ter at the end") << "Liter"
                                    << "*ter*" << true;
    QTest::newRow("ter at the start") << "terabyte"
                                      << "*ter*" << true;
    QTest::newRow("ter absent") << "Gallon (US)"
                                << "*ter*" << false;
    QTest::newRow("metric in capitals") << "METRIC cup"
                                        << "*metric*" << true;
    QTest::newRow("region tag in small letters") << "gill (uk)"
                                                 << "*(UK*" << true;
    QTest::newRow("region tag mixed case") << "Cup (Au)"
                                           << "*(AU*" << true;
    QTest::newRow("region tag without parenthesis") << "Gallon UK"
                                                    << "*(UK*" << false;
    QTest::newRow("parenthesis is literal") << "Pint (US dry)"
                                            << "*(US*" << true;

    // Stars.
    QTest::newRow("star alone matches empty") << ""
                                              << "*" << true;
    QTest::newRow("star alone matches text") << "anything"
                                             << "*" << true;
    QTest::newRow("empty pattern matches only empty") << "a"
                                                      << "" << false;
    QTest::newRow("empty pattern and text") << ""
                                            << "" << true;
    QTest::newRow("stars around empty run") << "ab"
                                            << "a**b" << true;
    QTest::newRow("star needs backtracking") << "abcabcabd"
                                             << "*abd" << true;
    QTest::newRow("star with failing tail") << "abcabcabc"
                                            << "*abd" << false;
    QTest::newRow("two stars in order") << "xaybz"
                                        << "*a*b*" << true;
    QTest::newRow("two stars wrong order") << "xbyaz"
                                           << "*a*b" << false;
    QTest::newRow("whole text must match") << "Liters"
                                           << "Liter" << false;
    QTest::newRow("prefix pattern") << "Liter"
                                    << "Lit*" << true;

    // One character, one digit.
    QTest::newRow("question mark one character") << "cup"
                                                 << "c?p" << true;
    QTest::newRow("question mark not zero characters") << "cp"
                                                       << "c?p" << false;
    QTest::newRow("question mark not two characters") << "coop"
                                                      << "c?p" << false;
    QTest::newRow("hash a digit") << "a7b"
                                  << "a#b" << true;
    QTest::newRow("hash not a letter") << "axb"
                                       << "a#b" << false;
    QTest::newRow("hash not a non-ASCII digit") << QString::fromUtf8("a\u0663b") << "a#b" << false;
    QTest::newRow("hashes count digits") << "123"
                                         << "##" << false;

    // Lists.
    QTest::newRow("list member") << "b"
                                 << "[abc]" << true;
    QTest::newRow("list non-member") << "d"
                                     << "[abc]" << false;
    QTest::newRow("list ignores case") << "B"
                                       << "[abc]" << true;
    QTest::newRow("range inside") << "k"
                                  << "[a-z]" << true;
    QTest::newRow("range ignores case") << "K"
                                        << "[a-m]" << true;
    QTest::newRow("range with capital ends") << "k"
                                             << "[A-M]" << true;
    QTest::newRow("range outside") << "q"
                                   << "[a-m]" << false;
    QTest::newRow("digit range") << "5"
                                 << "[0-9]" << true;
    QTest::newRow("negated list excludes") << "a"
                                           << "[!abc]" << false;
    QTest::newRow("negated list admits") << "x"
                                         << "[!abc]" << true;
    QTest::newRow("negated range ignores case") << "B"
                                                << "[!a-c]" << false;
    QTest::newRow("list takes exactly one character") << "ab"
                                                      << "[ab]" << false;
    QTest::newRow("bracketed star is literal") << "*"
                                               << "[*]" << true;
    QTest::newRow("bracketed star not a wildcard") << "x"
                                                   << "[*]" << false;
    QTest::newRow("bracketed question mark") << "?"
                                             << "[?]" << true;
    QTest::newRow("bracketed hash") << "#"
                                    << "[#]" << true;
    QTest::newRow("bracketed open bracket") << "["
                                            << "[[]" << true;
    QTest::newRow("leading hyphen literal") << "-"
                                            << "[-a]" << true;
    QTest::newRow("trailing hyphen literal") << "-"
                                             << "[a-]" << true;
    QTest::newRow("hyphen not inside range list") << "-"
                                                  << "[a-c]" << false;
    QTest::newRow("exclamation later is literal") << "!"
                                                  << "[a!]" << true;
    QTest::newRow("closing bracket outside a list") << "a]"
                                                    << "a]" << true;
    QTest::newRow("empty list matches nothing there") << "ab"
                                                      << "a[]b" << true;
    QTest::newRow("negated empty list any character") << "axb"
                                                      << "a[!]b" << true;
    QTest::newRow("list after star") << "Pint (UK)"
                                     << "*[(]UK)" << true;

    // Patterns the engine refuses match nothing.
    QTest::newRow("unclosed list") << "[abc"
                                   << "[abc" << false;
    QTest::newRow("unclosed list after star") << "abc"
                                              << "*[" << false;
    QTest::newRow("reversed range") << "b"
                                    << "[c-a]" << false;

    // Letters beyond ASCII also ignore case.
    QTest::newRow("non-ASCII letters ignore case")
        << QString::fromUtf8("\u00c9TAIN") << QString::fromUtf8("\u00e9tain") << true;
}

void tst_JetPattern::like()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(jetLike(text, pattern), matches);
}

void tst_JetPattern::compiledPatternMatchesLikeFunction_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "*(UK*" << true;
    QTest::newRow("list") << "[!a-c]#?" << true;
    QTest::newRow("unclosed") << "a[b" << false;
    QTest::newRow("reversed") << "[z-a]" << false;
}

void tst_JetPattern::compiledPatternMatchesLikeFunction()
{
    QFETCH(QString, pattern);
    QFETCH(bool, valid);
    const JetPattern compiled(pattern);
    QCOMPARE(compiled.isValid(), valid);
    // One compiled pattern answers many texts the same as a fresh one each time.
    const QStringList texts { "Pint (UK)", "d7x", "ab", "", "a[b" };
    for (const QString &text : texts)
        QCOMPARE(compiled.matches(text), jetLike(text, pattern));
}

QTEST_APPLESS_MAIN(tst_JetPattern)
#include "tst_jetpattern.moc"
