#include "generators/classwizard.h"

namespace ClassWizard {

namespace {

const QChar CR = u'\r';

QString firstUpper(const QString& name)
{
    if (name.isEmpty())
        return name;
    return name.left(1).toUpper() + name.mid(1);
}

// Members with the parts every section uses.
struct Field {
    QString name;  // N
    QString type;  // T
    QString upper; // U
    bool setter;
};

QString constructor(const QString& className, const std::vector<Field>& fields)
{
    QString s = CR + QStringLiteral("  public ") + className + u'(';
    // Every fourth parameter starts a new line.
    int written = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (written == 3) {
            s += CR + QStringLiteral("    ");
            written = 0;
        }
        s += fields[i].type + QStringLiteral(" start") + fields[i].upper;
        if (i + 1 < fields.size())
            s += u',';
        ++written;
    }
    s += QStringLiteral(") {") + CR;
    for (const Field& f : fields)
        s += QStringLiteral("   ") + f.name + QStringLiteral(" = start") + f.upper + u';' + CR;
    return s + QStringLiteral("  }") + CR;
}

QString accessors(const Field& f)
{
    QString s = CR + QStringLiteral("  public ") + f.type + QStringLiteral(" find") + f.upper + QStringLiteral("() {") +
                CR + QStringLiteral("    return ") + f.name + u';' + CR + QStringLiteral("  }") + CR;
    if (f.setter)
        s += CR + QStringLiteral("  public void set") + f.upper + u'(' + f.type + QStringLiteral(" new") + f.upper +
             QStringLiteral(") {") + CR + QStringLiteral("    ") + f.name + QStringLiteral(" = new") + f.upper + u';' +
             CR + QStringLiteral("  }") + CR;
    return s;
}

QString toStringMethod(const QString& className, const std::vector<Field>& fields)
{
    QString s = CR + QStringLiteral("  public String toString() {") + CR + QStringLiteral("    return \"") + className +
                QStringLiteral(" - \"");
    for (const Field& f : fields)
        s += QStringLiteral("+\" ") + f.name + QStringLiteral(": \"+") + f.name;
    return s + u';' + CR + QStringLiteral("  }") + CR;
}

} // namespace

QString classText(const QString& className, const std::vector<Member>& members)
{
    std::vector<Field> fields;
    fields.reserve(members.size());
    for (const Member& m : members)
        fields.push_back({m.name, m.type.trimmed(), firstUpper(m.name), m.setter});

    QString s = QStringLiteral("class ") + className + QStringLiteral(" {") + CR;
    for (const Field& f : fields)
        s += QStringLiteral("  private ") + f.type + u' ' + f.name + u';' + CR;
    s += constructor(className, fields);
    for (const Field& f : fields)
        s += accessors(f);
    s += toStringMethod(className, fields);
    return s + u'}';
}

QStringList dataTypes()
{
    return {QStringLiteral("String"),    QStringLiteral("int"),   QStringLiteral("double"), QStringLiteral("float"),
            QStringLiteral("byte"),      QStringLiteral("short"), QStringLiteral("char"),   QStringLiteral("boolean"),
            QStringLiteral("Container"), QStringLiteral("Color"), QStringLiteral("Font"),   QStringLiteral("Integer"),
            QStringLiteral("Boolean"),   QStringLiteral("Long"),  QStringLiteral("Thread"), QStringLiteral("Object")};
}

int typeColumnWidth(int memberCount)
{
    return memberCount >= 5 ? 107 : 123;
}

} // namespace ClassWizard
