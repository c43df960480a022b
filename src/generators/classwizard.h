#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The class the class wizard writes: private fields, a constructor taking
// one parameter per member, a getter per member ("find" + name), a setter
// for each marked member and toString. Names and types go in as typed.
namespace ClassWizard {

struct Member {
    QString name;
    QString type; // trimmed when written
    bool setter = false;
};

// The generated class; its lines are separated by a lone CR and it ends with
// the class's closing brace, no line break after it.
QString classText(const QString& className, const std::vector<Member>& members);

// The data types offered in the wizard's type box, in their order.
QStringList dataTypes();

// Width of the member list's "Type" column: narrower once the list holds
// enough entries to show a vertical scroll bar.
int typeColumnWidth(int memberCount);
constexpr int kNameColumnWidth = 229;

} // namespace ClassWizard
