#include "assist/javasourcedifferential.h"

#include "assist/documentlines.h"
#include "assist/javasourcemodel.h"
#include "assist/javasourcereference.h"

#include <QStringList>

#include <array>
#include <sstream>

namespace JavaSourceDifferential {
namespace {

constexpr std::array<const char*, 67> kFragments = {"class A {",
                                                    "class B extends A {",
                                                    "public class AB implements I {",
                                                    "interface I {",
                                                    "}",
                                                    "{",
                                                    "} }",
                                                    "{ {",
                                                    "int a, b;",
                                                    "int x = 5, y = 6;",
                                                    "String s, t;",
                                                    "String u,v,w;",
                                                    "private int p;",
                                                    "public int size = 3;",
                                                    "String s = \"x{}\";",
                                                    "char c = '}';",
                                                    "/* class Fake {",
                                                    "*/",
                                                    "// } class X {",
                                                    "/** doc { */",
                                                    "void f(int a,",
                                                    "int b) {",
                                                    "void work() throws IOException {",
                                                    "A(int v) {",
                                                    "public A() {",
                                                    "static {",
                                                    "public static void main(String[] args) {",
                                                    "return s;",
                                                    "s.length();",
                                                    "B b;",
                                                    "List<String> names;",
                                                    "Point p;",
                                                    "if (a) { b(); }",
                                                    "\"\"\"",
                                                    "text \"\"\" block }",
                                                    "new Thread(r);",
                                                    "private void privateData() {",
                                                    "abstract void go();",
                                                    "= 1;",
                                                    ",",
                                                    ";",
                                                    "(",
                                                    ")",
                                                    "class",
                                                    "A",
                                                    "throws",
                                                    "x",
                                                    "Inner",
                                                    "\t",
                                                    "@Override",
                                                    "3.5",
                                                    "a.b.c",
                                                    "class Inner {",
                                                    "enum E { X, Y }",
                                                    "for (int i = 0; i < n; i++) {",
                                                    "x == y;",
                                                    "a += 2;",
                                                    "final double PI = 3.14;",
                                                    "/*",
                                                    "'",
                                                    "\"",
                                                    "Map<String, Integer> m = new HashMap<>();",
                                                    "void g() throws A, B;",
                                                    "} else {",
                                                    "class A { int, b;",
                                                    "class B { , c;",
                                                    "int[] d, e;"};

std::string describe(const char* what, const QStringList& expected, const QStringList& actual)
{
    std::ostringstream out;
    out << what << ":\n  reference:";
    for (const QString& s : expected)
        out << " [" << s.toStdString() << "]";
    out << "\n  program:  ";
    for (const QString& s : actual)
        out << " [" << s.toStdString() << "]";
    return out.str();
}

} // namespace

std::string Session::randomLine()
{
    std::string line(std::size_t(below(4)) * 2, ' ');
    const int parts = 1 + below(3);
    for (int i = 0; i < parts; ++i) {
        if (i)
            line += below(4) ? " " : "";
        line += kFragments[std::size_t(below(int(kFragments.size())))];
    }
    return line;
}

void Session::generate(int lineCount)
{
    m_lines.clear();
    for (int i = 0; i < lineCount; ++i)
        m_lines.push_back(below(8) ? randomLine() : std::string());
}

void Session::editAtRandom()
{
    const int at = below(int(m_lines.size()) + 1);
    switch (below(4)) {
    case 0:
        if (at < int(m_lines.size()))
            m_lines[std::size_t(at)] = randomLine();
        break;
    case 1:
        m_lines.insert(m_lines.begin() + at, randomLine());
        break;
    case 2:
        if (at < int(m_lines.size()))
            m_lines.erase(m_lines.begin() + at);
        break;
    default:
        if (at < int(m_lines.size()) && !m_lines[std::size_t(at)].empty()) {
            std::string& line = m_lines[std::size_t(at)];
            static const char kBytes[] = "{}();,=/*\"' \tAclass";
            line[std::size_t(below(int(line.size())))] = kBytes[below(int(sizeof kBytes) - 1)];
        }
        break;
    }
}

std::string Session::compare(int lineQueries)
{
    std::string text;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i)
            text += '\n';
        text += m_lines[i];
    }
    // The reference reads the lines as the program splits them.
    const DocumentLines lines(text);
    JavaSourceReference::Lines reference;
    for (int i = 0; i < lines.count(); ++i)
        reference.emplace_back(lines.line(i));
    m_index.update(lines);

    const QStringList classes = JavaSourceReference::FinnKlasseNavnene(reference);
    if (JavaSourceModel::FinnKlasseNavnene(text) != classes)
        return describe("FinnKlasseNavnene", classes, JavaSourceModel::FinnKlasseNavnene(text));
    if (m_index.classNames() != classes)
        return describe("index classNames", classes, m_index.classNames());

    QStringList names = classes;
    names << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("Inner") << QString();
    names.removeDuplicates();
    for (const QString& name : names) {
        for (bool withPrivate : {false, true}) {
            const QStringList expected = JavaSourceReference::FinnAlleDatamedlemmer(reference, name, withPrivate);
            const std::string what = "FinnAlleDatamedlemmer(" + name.toStdString() + (withPrivate ? ", private)" : ")");
            const QStringList plain = JavaSourceModel::FinnAlleDatamedlemmer(text, name, withPrivate);
            if (plain != expected)
                return describe(what.c_str(), expected, plain);
            const QStringList indexed = m_index.members(lines, name, withPrivate);
            if (indexed != expected)
                return describe(("index " + what).c_str(), expected, indexed);
        }
        const QStringList heads = JavaSourceReference::ClipAndFindMultilineDatamembers(reference, name);
        if (JavaSourceModel::ClipAndFindMultilineDatamembers(text, name) != heads)
            return describe(("ClipAndFindMultilineDatamembers(" + name.toStdString() + ")").c_str(), heads,
                            JavaSourceModel::ClipAndFindMultilineDatamembers(text, name));
    }

    const int count = lines.count();
    const int queries = lineQueries < 0 ? count + 2 : lineQueries;
    for (int q = 0; q < queries; ++q) {
        const int line = lineQueries < 0 ? q - 1 : below(count + 2) - 1;
        const int start = JavaSourceReference::FinnClassStart(reference, line);
        if (JavaSourceModel::FinnClassStart(text, line) != start || m_index.classStart(line) != start)
            return "FinnClassStart(" + std::to_string(line) + "): reference " + std::to_string(start) + ", program " +
                   std::to_string(JavaSourceModel::FinnClassStart(text, line)) + ", index " +
                   std::to_string(m_index.classStart(line));
        const int end = JavaSourceReference::FinnScopeSlutt(reference, line);
        if (JavaSourceModel::FinnScopeSlutt(text, line) != end)
            return "FinnScopeSlutt(" + std::to_string(line) + "): reference " + std::to_string(end) + ", program " +
                   std::to_string(JavaSourceModel::FinnScopeSlutt(text, line));
    }
    return {};
}

} // namespace JavaSourceDifferential
